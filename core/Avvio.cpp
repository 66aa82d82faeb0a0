#include "core/Avvio.h"

#include "core/Casuale.h"
#include "core/Lingua.h"
#include "core/Modulo1.h"
#include "core/Percorsi.h"
#include "core/TestoFile.h"
#include "platform/Messaggi.h"
#include "vocabulary/ModuloColoriSuoni.h"
#include "vocabulary/Parole.h"

#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QLockFile>
#include <QRegularExpression>
#include <QStandardPaths>

namespace {

const QString kFileFont = QStringLiteral("indis1.ttf");
// The family name of the school font the program folder's copy holds.
const QString kFamigliaCorsivo = QStringLiteral("Ecolier_court");

QString fileBlocco()
{
    return Percorsi::cartellaPinnole() + QStringLiteral("pinnole.lock");
}

// Takes the single-instance lock; a lock left by a crashed run is taken over.
std::unique_ptr<QLockFile> prendiBlocco()
{
    auto blocco = std::make_unique<QLockFile>(fileBlocco());
    blocco->setStaleLockTime(0);
    if (blocco->tryLock(0))
        return blocco;
    if (blocco->error() == QLockFile::LockFailedError)
        return nullptr;
    // The folder cannot hold a lock (read-only, say): go on without one
    // rather than refusing to start.
    return std::make_unique<QLockFile>(QString());
}

void segnalaErroreCartella(const QString &percorso)
{
    QString primaRiga = MLSGetText(QStringLiteral("0371"));
    QString ultimaRiga = MLSGetText(QStringLiteral("0372"));
    // The program is about to close: without a language file the teacher
    // still learns why, in the program's first language.
    if (primaRiga.isEmpty() || ultimaRiga.isEmpty()) {
        primaRiga = QStringLiteral("Impossibile creare la cartella delle impostazioni o il file \"leggimi.txt\":");
        ultimaRiga = QStringLiteral("Il programma viene chiuso.");
    }
    messaggi().mostra(primaRiga + QLatin1Char('\n') + QDir::toNativeSeparators(percorso) + QStringLiteral("\n\n")
                          + ultimaRiga,
                      titoloProgramma());
}

} // namespace

QStringList righeLeggimi()
{
    return {
        QStringLiteral("Questa cartella contiene i files di impostazione dei programmi presenti nel sito "
                       "www.vermilo.example."),
        QString(),
        QStringLiteral("Se qualche programma presenta problemi di funzionamento può essere utile cancellare "
                       "il file *.ini relativo al programma in quata cartella."),
        QString(),
        QStringLiteral("Non cancellare questo file."),
    };
}

bool CreaCartella(const QString &percorso)
{
    const QString cartella = Percorsi::risolvi(percorso);
    if (!QDir().mkdir(cartella) && !QFileInfo(cartella).isDir()) {
        segnalaErroreCartella(cartella);
        return false;
    }
    if (!TestoFile::scriviRighe(Percorsi::fileLeggimi(), righeLeggimi())) {
        segnalaErroreCartella(Percorsi::fileLeggimi());
        return false;
    }
    return true;
}

bool PreparaCartelle(const std::function<void(const QString &)> &dopoCreazione)
{
    // The root's parent (the user's configuration folder) may not exist yet
    // on a brand-new account.
    QDir().mkpath(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
    auto crea = [&](const QString &cartella) {
        if (!CreaCartella(cartella))
            return false;
        if (dopoCreazione)
            dopoCreazione(cartella);
        return true;
    };
    if (!EsisteCartella(Percorsi::radiceImpostazioni()) && !crea(Percorsi::radiceImpostazioni()))
        return false;
    if (!EsisteCartella(Percorsi::cartellaPinnole())) {
        if (!crea(Percorsi::cartellaPinnole()))
            return false;
        InstallaFont();
    }
    if (!EsisteCartella(Percorsi::cartellaDati()) && !crea(Percorsi::cartellaDati()))
        return false;
    return true;
}

int RimuoviFileTemporanei()
{
    // Every file the program writes goes first to "<file>.XXXXXX" beside it
    // and is renamed over the old one when complete; a write killed half-way
    // leaves that name behind. A user's settings file always ends in ".ini",
    // so no user's file has such a name.
    static const QRegularExpression temporaneo(QStringLiteral("^.+\\.(ini|accesso|rpt|ignorate|txt)\\.[A-Za-z0-9]{6}$"),
                                               QRegularExpression::CaseInsensitiveOption);
    auto ripulisci = [](const QString &cartella, const QRegularExpression &nomi) {
        int rimossi = 0;
        const QDir dir(cartella);
        for (const QFileInfo &voce : dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::System)) {
            if (nomi.match(voce.fileName()).hasMatch() && QFile::remove(voce.filePath()))
                ++rimossi;
        }
        return rimossi;
    };
    // The settings root is shared with other programs: only the notice file's.
    int rimossi = ripulisci(Percorsi::radiceImpostazioni(),
                            QRegularExpression(QStringLiteral("^leggimi\\.txt\\.[A-Za-z0-9]{6}$"),
                                               QRegularExpression::CaseInsensitiveOption));
    rimossi += ripulisci(Percorsi::cartellaPinnole(), temporaneo);
    rimossi += ripulisci(Percorsi::risolvi(Percorsi::cartellaPinnole() + QStringLiteral("lngpinnole")), temporaneo);
    // The language choice of a program folder that can be written (a build
    // tree) is written the same way; an installed one is never touched.
    if (!Percorsi::programmaInstallato())
        rimossi += ripulisci(Percorsi::programma(QStringLiteral("lngpinnole")),
                             QRegularExpression(QStringLiteral("^LangSetting\\.ini\\.[A-Za-z0-9]{6}$"),
                                                QRegularExpression::CaseInsensitiveOption));
    rimossi += ripulisci(Percorsi::cartellaDati(), temporaneo);
    const QFileInfoList utenti = QDir(Percorsi::cartellaDati()).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const QFileInfo &cartella : utenti) {
        if (!cartella.isSymLink())
            rimossi += ripulisci(cartella.filePath(), temporaneo);
    }
    return rimossi;
}

QString CartellaFont()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/fonts/");
}

bool FontCorsivoDiSistema()
{
    return QFontDatabase::families().contains(kFamigliaCorsivo, Qt::CaseInsensitive);
}

void InstallaFont()
{
    // A system that has the school font (a package installed it, or an
    // earlier copy sits in a fonts folder it scans) needs no copy of ours.
    if (FontCorsivoDiSistema())
        return;
    const QString destinazione = CartellaFont() + kFileFont;
    if (EsisteFile(destinazione))
        return;
    const QString sorgente = Percorsi::programma(kFileFont);
    if (!EsisteFile(sorgente) || !QDir().mkpath(CartellaFont()) || !QFile::copy(sorgente, destinazione))
        return;
    const int id = QFontDatabase::addApplicationFont(destinazione);
    const QStringList famiglie = QFontDatabase::applicationFontFamilies(id);
    if (id < 0 || famiglie.isEmpty())
        return;
    QFont::insertSubstitution(QStringLiteral("Indis1"), famiglie.first());
    messaggi().mostra(MLSGetText(QStringLiteral("0006")) + QLatin1Char('\n')
                          + QStringLiteral(" ----------------------- ") + QLatin1Char('\n')
                          + QStringLiteral("Font prodotto da Jean-Marie Douteau") + QLatin1Char('\n')
                          + QStringLiteral(" perso.orange.fr/jm.douteau (SIL Open Font License)"),
                      titoloProgramma());
}

void RegistraFontCorsivo()
{
    if (QFontDatabase::families().contains(QStringLiteral("Indis1")))
        return;
    if (FontCorsivoDiSistema()) {
        QFont::insertSubstitution(QStringLiteral("Indis1"), kFamigliaCorsivo);
        return;
    }
    for (const QString &file : {CartellaFont() + kFileFont, Percorsi::programma(kFileFont)}) {
        if (!EsisteFile(file))
            continue;
        const int id = QFontDatabase::addApplicationFont(file);
        const QStringList famiglie = QFontDatabase::applicationFontFamilies(id);
        if (id >= 0 && !famiglie.isEmpty()) {
            QFont::insertSubstitution(QStringLiteral("Indis1"), famiglie.first());
            return;
        }
    }
}

Avvio AvvioProgramma()
{
    Avvio avvio;
    StatoProgramma &stato = Stato();
    // Qt's own buttons and dialogs speak the program's language from the
    // first message on.
    Lingua::applicaTraduzioniQt();

    // A running instance holds the lock in the program's settings folder; with
    // no such folder yet nobody can be running, and the lock is taken once the
    // folder exists.
    if (EsisteCartella(Percorsi::cartellaPinnole())) {
        avvio.blocco = prendiBlocco();
        if (!avvio.blocco) {
            messaggi().mostra(MLSGetText(QStringLiteral("0001")), titoloProgramma());
            avvio.esito = EsitoAvvio::GiaInEsecuzione;
            return avvio;
        }
    }

    static FonteOrologio orologio;
    orologio.seminaDallOrologio();
    impostaFonteCasuale(&orologio);

    if (!PreparaCartelle()) {
        avvio.esito = EsitoAvvio::ErroreCartelle;
        return avvio;
    }
    if (!avvio.blocco) {
        avvio.blocco = prendiBlocco();
        if (!avvio.blocco) {
            messaggi().mostra(MLSGetText(QStringLiteral("0001")), titoloProgramma());
            avvio.esito = EsitoAvvio::GiaInEsecuzione;
            return avvio;
        }
    }
    // Only the instance holding the lock may do this: another one's write
    // could be under way.
    RimuoviFileTemporanei();
    RegistraFontCorsivo();

    stato.PercorsoImpostazioni = percorsoUtentePredefinito();
    stato.UtenteCorrente = QStringLiteral("_predefinito");
    stato.IdLinguaAgente = MLSGetText(QStringLiteral("0003"));
    LeggiUtenteCorrente(stato);
    PreparaTavolozza(stato.TavolozzaVB, stato.TavolozzaHex);
    CaricaParole(stato.TabellaParole);
    PreparaIntestazioni();
    return avvio;
}

void PreparaIntestazioni()
{
    StatoProgramma &stato = Stato();
    stato.IntestazioneEsatti = MLSGetText(QStringLiteral("0004")) + QLatin1Char(' ');
    stato.IntestazioneErrati = MLSGetText(QStringLiteral("0005")) + QLatin1Char(' ');
    stato.IntestazioneLivello = MLSGetText(QStringLiteral("0105")) + QLatin1Char(' ');
    stato.IntestazioneIgnorate = MLSGetText(QStringLiteral("0159")) + QLatin1Char(' ');
}
