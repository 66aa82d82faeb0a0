#include "users/FileRegistro.h"

#include "core/Avvio.h"
#include "core/Modulo1.h"
#include "core/Percorsi.h"
#include "core/TestoFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

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

QStringList righeIgnorate(const QStringList &ignorate, qsizetype righeDati)
{
    QStringList linee;
    linee.reserve(righeDati + 1);
    linee << QString::number(righeDati);
    for (qsizetype i = 0; i < righeDati; ++i)
        linee << (i < ignorate.size() ? suUnaRiga(ignorate.at(i)) : QString());
    return linee;
}

std::optional<QStringList> decodificaIgnorate(const QByteArray &byte, qsizetype righeDati)
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
    return ignorate;
}

bool scrivi(const QString &percorso, const ContenutoRegistro &contenuto)
{
    if (percorso.isEmpty() || !TestoFile::scriviRighe(percorso, righe(contenuto)))
        return false;
    const QString compagno = percorsoIgnorate(percorso);
    if (TestoFile::scriviRighe(compagno, righeIgnorate(contenuto.ignorate, contenuto.righe.size())))
        return true;
    if (QFileInfo(compagno).isFile())
        QFile::remove(compagno);
    return false;
}

std::optional<ContenutoRegistro> leggi(const QString &percorso)
{
    // Bytes of a regular file no larger than the limit; nullopt otherwise.
    auto byteDi = [](const QString &nome, qint64 limite) -> std::optional<QByteArray> {
        QFile file(nome);
        if (nome.isEmpty() || !QFileInfo(nome).isFile() || file.size() > limite || !file.open(QIODevice::ReadOnly))
            return std::nullopt;
        QByteArray byte = file.read(limite + 1);
        if (byte.size() > limite)
            return std::nullopt;
        return byte;
    };
    const std::optional<QByteArray> byte = byteDi(percorso, kByteMassimi);
    if (!byte)
        return std::nullopt;
    std::optional<ContenutoRegistro> contenuto = decodifica(*byte);
    if (!contenuto)
        return std::nullopt;
    // Seven bytes a row at most ("32767" and CR LF) and the row count.
    if (const auto compagno = byteDi(percorsoIgnorate(percorso), 16 + 7 * qint64(kRigheMassime))) {
        if (auto ignorate = decodificaIgnorate(*compagno, contenuto->righe.size()))
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
