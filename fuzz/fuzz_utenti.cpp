// User names and the user listing. Each input line is a name: the rule for
// names never lets one reach a file outside the settings folder, and a
// folder holding files named after the lines lists only users whose names
// the rule accepts, each reached at its own file inside the folder.
#include "Fuzz.h"

#include "core/Modulo1.h"
#include "core/NomeUtente.h"
#include "core/Percorsi.h"
#include "core/TestoFile.h"
#include "users/Utenti.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

QTemporaryDir &casa()
{
    static QTemporaryDir dir;
    static const bool impostata = [] {
        qputenv("XDG_CONFIG_HOME", dir.filePath(QStringLiteral("config")).toUtf8());
        return true;
    }();
    (void)impostata;
    return dir;
}

bool dentro(const QString &percorso, const QString &cartella)
{
    const QString pulito = QDir::cleanPath(percorso);
    return pulito.startsWith(cartella) && !pulito.mid(cartella.size()).contains(QLatin1Char('/'));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dati, size_t dimensione)
{
    casa();
    const QString cartella = Percorsi::cartellaPinnole();
    QDir(cartella).removeRecursively();
    QDir().mkpath(cartella);

    const QStringList nomi = TestoFile::decodifica(fuzz::byte(dati, dimensione)).split(QLatin1Char('\n'));
    for (const QString &nome : nomi) {
        const QString percorso = percorsoUtente(nome);
        if (!nomeUtenteValido(nome) && !eUtentePredefinito(nome)) {
            fuzz::verifica(percorso.isEmpty(), "a refused name gives no path");
            fuzz::verifica(cartellaRegistriUtente(nome).isEmpty(), "a refused name gives no record folder");
            continue;
        }
        fuzz::verifica(dentro(percorso, cartella), "an accepted name stays inside the settings folder");
        // Files as another program (or a hand) may have left them.
        QFile f(cartella + nome + QStringLiteral(".ini"));
        if (f.open(QIODevice::WriteOnly))
            f.write(" 130 \r\n");
    }
    for (const QString &nome : nomi) {
        // Names the rule refuses can still be on disk, put there by hand.
        if (nome.isEmpty() || nome.contains(QLatin1Char('/')) || nome.contains(QChar(0)) || nome.size() > 200)
            continue;
        QFile f(cartella + nome + QStringLiteral(".ini"));
        if (f.open(QIODevice::WriteOnly))
            f.write(" 130 \r\n");
    }

    for (const VoceUtente &voce : elencoUtenti(cartella, dimensione > 0 && (dati[0] & 1))) {
        fuzz::verifica(nomeUtenteValido(voce.nome) || eUtentePredefinito(voce.nome), "listed names are valid");
        const QString percorso = percorsoUtente(voce.nome);
        fuzz::verifica(dentro(percorso, cartella), "a listed user's file is inside the folder");
        fuzz::verifica(QFileInfo(percorso).isFile(), "a listed user reaches its own file");
    }
    return 0;
}
