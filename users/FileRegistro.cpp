#include "users/FileRegistro.h"

#include "core/Avvio.h"
#include "core/Modulo1.h"
#include "core/Percorsi.h"
#include "core/TestoFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

QString suUnaRiga(QString testo)
{
    testo.replace(QLatin1String("\r\n"), QLatin1String(" "));
    testo.replace(QLatin1Char('\r'), QLatin1Char(' '));
    testo.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return testo;
}

// Older files wrote the labels as quoted fields.
QString senzaVirgolette(const QString &riga)
{
    if (riga.size() >= 2 && riga.startsWith(QLatin1Char('"')) && riga.endsWith(QLatin1Char('"')))
        return riga.mid(1, riga.size() - 2);
    return riga;
}

bool creaCartella(const QString &cartella)
{
    if (QFileInfo(cartella).isDir())
        return true;
    if (!QDir().mkdir(cartella))
        return false;
    // A folder of the settings tree was created: the notice is written anew.
    // The folder is there whatever becomes of the notice.
    TestoFile::scriviRighe(Percorsi::fileLeggimi(), righeLeggimi());
    return true;
}

const QString kImpronta = QStringLiteral("impronta=");

// A write killed half-way leaves "<file>.XXXXXX" beside the record or its
// companion; a record may live in any folder the teacher chose, so they are
// cleared where the record is written next.
void rimuoviTemporanei(const QString &percorso)
{
    const QFileInfo info(percorso);
    const QString radice = QRegularExpression::escape(info.fileName());
    const QRegularExpression temporaneo(QLatin1Char('^') + radice + QStringLiteral("(\\.ignorate)?\\.[A-Za-z0-9]{6}$"));
    const QDir cartella = info.absoluteDir();
    for (const QFileInfo &voce : cartella.entryInfoList({info.fileName() + QStringLiteral("*")}, QDir::Files | QDir::Hidden | QDir::System)) {
        if (!voce.isSymLink() && temporaneo.match(voce.fileName()).hasMatch())
            QFile::remove(voce.filePath());
    }
}

} // namespace

namespace FileRegistro {

QStringList righe(const ContenutoRegistro &contenuto)
{
    QStringList linee;
    linee.reserve(4 + 4 * contenuto.righe.size());
    linee << suUnaRiga(contenuto.utente) << suUnaRiga(contenuto.data);
    // Written as a number is printed: a space for the sign, the digits, a space.
    linee << QStringLiteral(" %1 ").arg(contenuto.righe.size() + 1);
    for (const RigaRegistro &riga : contenuto.righe) {
        for (const QString &cella : riga)
            linee << suUnaRiga(cella);
    }
    linee << suUnaRiga(contenuto.chiusura);
    return linee;
}

QByteArray codifica(const ContenutoRegistro &contenuto)
{
    QByteArray byte;
    for (const QString &linea : righe(contenuto)) {
        byte.append(TestoFile::codifica1252(linea));
        byte.append("\r\n");
    }
    return byte;
}

std::optional<ContenutoRegistro> decodifica(const QByteArray &byte)
{
    if (byte.contains('\0'))
        return std::nullopt;
    const QStringList linee = TestoFile::righe(TestoFile::decodifica(byte));
    if (linee.size() < 4)
        return std::nullopt;
    bool numero = false;
    const int r = linee.at(2).trimmed().toInt(&numero);
    if (!numero || r < 1 || r > kRigheMassime)
        return std::nullopt;
    // Three label lines, four per data row, the closing label.
    if (linee.size() < 4 * r)
        return std::nullopt;

    ContenutoRegistro contenuto;
    contenuto.utente = senzaVirgolette(linee.at(0));
    contenuto.data = senzaVirgolette(linee.at(1));
    contenuto.righe.reserve(r - 1);
    for (int i = 1; i < r; ++i) {
        const int prima = 3 + 4 * (i - 1);
        contenuto.righe.append({linee.at(prima), linee.at(prima + 1), linee.at(prima + 2), linee.at(prima + 3)});
    }
    contenuto.chiusura = linee.at(4 * r - 1);
    return contenuto;
}

QString percorsoIgnorate(const QString &percorsoRegistro)
{
    return percorsoRegistro.isEmpty() ? QString() : percorsoRegistro + QStringLiteral(".ignorate");
}

QStringList righeIgnorate(const QStringList &ignorate, qsizetype righeDati, const QString &impronta)
{
    QStringList linee;
    linee.reserve(righeDati + 2);
    linee << QString::number(righeDati);
    for (qsizetype i = 0; i < righeDati; ++i)
        linee << (i < ignorate.size() ? suUnaRiga(ignorate.at(i)) : QString());
    if (!impronta.isEmpty())
        linee << kImpronta + impronta;
    return linee;
}

std::optional<QStringList> decodificaIgnorate(const QByteArray &byte, qsizetype righeDati, const QString &impronta)
{
    if (byte.contains('\0'))
        return std::nullopt;
    const QStringList linee = TestoFile::righe(TestoFile::decodifica(byte));
    bool numero = false;
    if (linee.isEmpty() || linee.first().trimmed().toLongLong(&numero) != righeDati || !numero
        || linee.size() < righeDati + 1)
        return std::nullopt;
    QStringList ignorate;
    ignorate.reserve(righeDati);
    for (qsizetype i = 1; i <= righeDati; ++i) {
        const QString voce = linee.at(i).trimmed();
        bool valido = voce.isEmpty();
        if (!valido) {
            const int n = voce.toInt(&valido);
            valido = valido && n >= 0 && n <= 32767 && voce.at(0).isDigit();
        }
        if (!valido)
            return std::nullopt;
        ignorate << voce;
    }
    for (qsizetype i = righeDati + 1; i < linee.size(); ++i) {
        const QString riga = linee.at(i).trimmed();
        if (riga.startsWith(kImpronta) && !impronta.isEmpty() && riga.mid(kImpronta.size()) != impronta)
            return std::nullopt; // the counts of an earlier record of this name
    }
    return ignorate;
}

bool scrivi(const QString &percorso, const ContenutoRegistro &contenuto)
{
    if (percorso.isEmpty())
        return false;
    rimuoviTemporanei(percorso);
    const QByteArray byte = codifica(contenuto);
    if (!TestoFile::scriviByte(percorso, byte))
        return false;
    const QString compagno = percorsoIgnorate(percorso);
    if (TestoFile::scriviRighe(compagno,
                               righeIgnorate(contenuto.ignorate, contenuto.righe.size(), TestoFile::impronta(byte))))
        return true;
    if (QFileInfo(compagno).isFile())
        QFile::remove(compagno);
    return false;
}

std::optional<ContenutoRegistro> leggi(const QString &percorso)
{
    const std::optional<QByteArray> byte = TestoFile::leggiByte(percorso, kByteMassimi);
    if (!byte)
        return std::nullopt;
    std::optional<ContenutoRegistro> contenuto = decodifica(*byte);
    if (!contenuto)
        return std::nullopt;
    // Seven bytes a row at most ("32767" and CR LF), the row count and the
    // fingerprint line.
    if (const auto compagno = TestoFile::leggiByte(percorsoIgnorate(percorso), 64 + 7 * qint64(kRigheMassime))) {
        if (auto ignorate = decodificaIgnorate(*compagno, contenuto->righe.size(), TestoFile::impronta(*byte)))
            contenuto->ignorate = std::move(*ignorate);
    }
    return contenuto;
}

QString cartellaUtente(const QString &utente)
{
    return cartellaRegistriUtente(utente);
}

QString preparaCartellaUtente(const QString &utente)
{
    const QString cartella = cartellaUtente(utente);
    if (cartella.isEmpty())
        return {};
    if (!creaCartella(Percorsi::cartellaDati()) || !creaCartella(Percorsi::risolvi(cartella)))
        return {};
    // Resolved again: the folder now exists under the name it was given.
    return cartellaUtente(utente);
}

} // namespace FileRegistro
