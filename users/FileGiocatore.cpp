#include "users/FileGiocatore.h"

#include "core/Modulo1.h"
#include "core/NomeUtente.h"
#include "core/OpzioniAccesso.h"
#include "core/Percorsi.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>

namespace {

GuastoFileGiocatore &guasto()
{
    static GuastoFileGiocatore g;
    return g;
}

// What SQLite keeps beside a database: the write-ahead log and its index,
// or the rollback journal of a write stopped midway.
const char *const kLatiStoria[] = {"", "-wal", "-shm", "-journal"};

bool presente(const QString &percorso)
{
    const QFileInfo info(percorso);
    return info.exists() || info.isSymLink(); // a broken link is in the way too
}

QString senzaBarra(QString percorso)
{
    while (percorso.size() > 1 && percorso.endsWith(QLatin1Char('/')))
        percorso.chop(1);
    return percorso;
}

// Every place a player's file or folder can have, whether it exists or not,
// with what makes it one of the history's files or the records folder.
QList<FileDelGiocatore> postiDelGiocatore(const QString &nome)
{
    QList<FileDelGiocatore> posti;
    const QString impostazioni = percorsoUtente(nome);
    if (impostazioni.isEmpty() || eUtentePredefinito(nome))
        return posti;
    posti.append({impostazioni});
    posti.append({Percorsi::risolvi(percorsoOpzioniAccesso(impostazioni))});
    const QString storia = percorsoStoria(nome);
    for (const char *lato : kLatiStoria)
        posti.append({Percorsi::risolvi(storia + QLatin1String(lato)), true});
    posti.append({senzaBarra(cartellaRegistriUtente(nome)), false, true});
    return posti;
}

// The same place for another name: the folder stays, the name changes and
// what follows the name (extension, side-file ending) keeps its letters.
QString postoPerNome(const FileDelGiocatore &posto, int lunghezzaVecchio, const QString &nuovo)
{
    const QFileInfo info(posto.percorso);
    return info.dir().filePath(nuovo + info.fileName().mid(lunghezzaVecchio));
}

// Moves a file or folder without ever replacing what is at the destination.
bool sposta(const QString &da, const QString &a)
{
    if (guasto() && guasto()(da, a))
        return false;
    const QByteArray daC = QFile::encodeName(da);
    const QByteArray aC = QFile::encodeName(a);
    if (::renameat2(AT_FDCWD, daC.constData(), AT_FDCWD, aC.constData(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    // A file system that cannot refuse by itself: look first.
    if (presente(a))
        return false;
    return ::rename(daC.constData(), aC.constData()) == 0;
}

struct Mossa
{
    QString da, a;
};

// Makes every move or none: after a failure the moves made are undone, last first.
bool spostaTutti(const QList<Mossa> &mosse, QString *ostacolo)
{
    for (qsizetype i = 0; i < mosse.size(); ++i) {
        if (sposta(mosse.at(i).da, mosse.at(i).a))
            continue;
        if (ostacolo)
            *ostacolo = mosse.at(i).da;
        for (qsizetype j = i - 1; j >= 0; --j) {
            const QByteArray daC = QFile::encodeName(mosse.at(j).a);
            const QByteArray aC = QFile::encodeName(mosse.at(j).da);
            ::rename(daC.constData(), aC.constData());
        }
        return false;
    }
    return true;
}

} // namespace

QList<FileDelGiocatore> fileDelGiocatore(const QString &nome)
{
    QList<FileDelGiocatore> file;
    for (const FileDelGiocatore &posto : postiDelGiocatore(nome)) {
        if (!posto.percorso.isEmpty() && presente(posto.percorso))
            file.append(posto);
    }
    return file;
}

bool esisteStoria(const QString &nome)
{
    for (const FileDelGiocatore &f : fileDelGiocatore(nome)) {
        if (f.storia)
            return true;
    }
    return false;
}

EsitoFileGiocatore rinominaGiocatore(const QString &vecchio, const QString &nuovo, QString *ostacolo)
{
    const QList<FileDelGiocatore> posti = postiDelGiocatore(vecchio);
    if (posti.isEmpty() || !presente(posti.constFirst().percorso) || eUtentePredefinito(nuovo)
        || !nomeUtenteValido(nuovo))
        return EsitoFileGiocatore::NomeRifiutato;
    // The file's own name may differ in case from the name asked for.
    const int lunghezza = int(QFileInfo(posti.constFirst().percorso).fileName().size()) - 4;
    QList<Mossa> mosse;
    for (const FileDelGiocatore &posto : posti) {
        const QString a = postoPerNome(posto, lunghezza, nuovo);
        // Every place of the new name must be free, also those the player has
        // no file for: a history or access file left there would otherwise
        // become this player's. Names are matched without regard to case, as
        // the program finds them; the player's own file (a change of case) is
        // no obstacle.
        const QString occupante = Percorsi::risolvi(a);
        const bool proprio = occupante == posto.percorso;
        if (!proprio && presente(occupante)) {
            if (ostacolo)
                *ostacolo = occupante;
            return EsitoFileGiocatore::DestinazioneOccupata;
        }
        if (presente(posto.percorso) && a != posto.percorso)
            mosse.append({posto.percorso, a});
    }
    return spostaTutti(mosse, ostacolo) ? EsitoFileGiocatore::Fatto : EsitoFileGiocatore::Fallito;
}

EsitoFileGiocatore rimuoviGiocatore(const QString &nome, bool storiaAnche, QString *ostacolo)
{
    const QList<FileDelGiocatore> file = fileDelGiocatore(nome);
    if (file.isEmpty() || file.constFirst().percorso != percorsoUtente(nome))
        return EsitoFileGiocatore::NomeRifiutato;
    // Each file first takes a hidden name beside it, which no list shows; only
    // when all have moved are they deleted, so a failure leaves the player whole.
    static int contatore = 0;
    QList<Mossa> mosse;
    for (const FileDelGiocatore &f : file) {
        if (f.cartella || (f.storia && !storiaAnche))
            continue;
        const QFileInfo info(f.percorso);
        const QString nascosto = info.dir().filePath(QStringLiteral(".%1.eliminato-%2-%3")
                                                         .arg(info.fileName())
                                                         .arg(QCoreApplication::applicationPid())
                                                         .arg(++contatore));
        mosse.append({f.percorso, nascosto});
    }
    if (!spostaTutti(mosse, ostacolo))
        return EsitoFileGiocatore::Fallito;
    for (const Mossa &m : mosse)
        QFile::remove(m.a); // a link goes, never what it leads to
    return EsitoFileGiocatore::Fatto;
}

void impostaGuastoFileGiocatore(GuastoFileGiocatore g)
{
    guasto() = std::move(g);
}
