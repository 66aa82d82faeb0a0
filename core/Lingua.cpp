#include "core/Lingua.h"

#include "core/Percorsi.h"
#include "core/TestoFile.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

namespace {

constexpr qint64 kLimiteFilePiccolo = 64000;
constexpr int kLunghezzaMassima = 511;

// A parsed language file, kept while the file on disk is unchanged (same size
// and modification time), so that lookups do not reread it every time while a
// changed file is still seen at the next lookup.
struct FileIni
{
    qint64 dimensione = -1;
    QDateTime modificato;
    QStringList righe;                       // the file's lines, for the large-file rule
    QHash<QString, QHash<QString, QString>> valori; // section -> key -> raw value (lower-case names)
};

QHash<QString, FileIni> &cache()
{
    static QHash<QString, FileIni> c;
    return c;
}

QString senzaVirgolette(const QString &valore)
{
    const QString v = valore.trimmed();
    if (v.size() >= 2 && v.startsWith(QLatin1Char('"')) && v.endsWith(QLatin1Char('"')))
        return v.mid(1, v.size() - 2);
    return v;
}

// A value is the text up to its first zero character, at most 511 characters.
QString valore(const QString &grezzo)
{
    const QString v = senzaVirgolette(grezzo);
    const qsizetype zero = v.indexOf(QChar(0));
    return (zero >= 0 ? v.left(zero) : v).left(kLunghezzaMassima);
}

void analizza(FileIni &f, const QString &testo)
{
    const QStringList righe = TestoFile::righe(testo);
    // Only the large-file rule looks at the lines themselves.
    f.righe = f.dimensione > kLimiteFilePiccolo ? righe : QStringList();
    f.valori.clear();
    // The section being read; a new section is the last thing added to
    // f.valori, so the pointer stays valid until the next one.
    QHash<QString, QString> *sez = nullptr;
    QString nomeSezione;
    for (const QString &grezza : righe) {
        const QStringView riga = QStringView(grezza).trimmed();
        if (riga.isEmpty() || riga.startsWith(u';'))
            continue;
        if (riga.startsWith(u'[') && riga.contains(u']')) {
            nomeSezione = riga.mid(1, riga.indexOf(u']') - 1).trimmed().toString().toLower();
            sez = nullptr;
            continue;
        }
        const qsizetype uguale = riga.indexOf(u'=');
        if (uguale <= 0)
            continue;
        if (!sez)
            sez = &f.valori[nomeSezione];
        QString chiave = riga.left(uguale).trimmed().toString().toLower();
        if (!sez->contains(chiave)) // the first occurrence wins, as INI readers do
            sez->insert(std::move(chiave), riga.mid(uguale + 1).toString());
    }
}

const FileIni *carica(const QString &percorso)
{
    const QFileInfo info(percorso);
    if (!info.isFile()) {
        cache().remove(percorso);
        return nullptr;
    }
    FileIni &f = cache()[percorso];
    if (f.dimensione == info.size() && f.modificato == info.lastModified())
        return &f;
    QString testo;
    if (!TestoFile::leggi(percorso, &testo)) {
        cache().remove(percorso);
        return nullptr;
    }
    f.dimensione = info.size();
    f.modificato = info.lastModified();
    analizza(f, testo);
    return &f;
}

} // namespace

std::optional<QString> MLSReadKey(const QString &file, const QString &sezione, const QString &chiave)
{
    const QString percorso = Percorsi::risolvi(file);
    const FileIni *f = carica(percorso);
    if (!f)
        return std::nullopt;

    if (f->dimensione > kLimiteFilePiccolo) {
        // Large files: the first line that begins with the key, whatever its
        // section; the key and "=" are dropped, then the enclosing quotes.
        for (const QString &riga : f->righe) {
            if (!riga.startsWith(chiave) || riga.size() <= chiave.size()
                || riga.at(chiave.size()) != QLatin1Char('='))
                continue;
            return valore(riga.mid(chiave.size() + 1));
        }
        return QString();
    }

    const auto sez = f->valori.constFind(sezione.trimmed().toLower());
    if (sez == f->valori.constEnd())
        return QString();
    const auto val = sez->constFind(chiave.trimmed().toLower());
    if (val == sez->constEnd())
        return QString();
    return valore(*val);
}

bool MLSWriteKey(const QString &file, const QString &sezione, const QString &chiave, const QString &valore)
{
    const QString percorso = Percorsi::risolvi(file);
    QStringList righe;
    QString testo;
    const QFileInfo info(percorso);
    if (info.isFile()) {
        // A file larger than any language choice holds nothing worth
        // keeping: it is written anew. One that cannot be read is kept.
        if (TestoFile::leggi(percorso, &testo))
            righe = TestoFile::righe(testo);
        else if (info.size() <= TestoFile::kByteMassimiPredefiniti)
            return false;
    }

    const QString nuova = chiave + QLatin1Char('=') + valore;
    int inizioSezione = -1;
    int fineSezione = righe.size();
    for (int i = 0; i < righe.size(); ++i) {
        const QString r = righe.at(i).trimmed();
        if (r.startsWith(QLatin1Char('[')) && r.contains(QLatin1Char(']'))) {
            if (inizioSezione >= 0) {
                fineSezione = i;
                break;
            }
            const QString nome = r.mid(1, r.indexOf(QLatin1Char(']')) - 1).trimmed();
            if (nome.compare(sezione, Qt::CaseInsensitive) == 0)
                inizioSezione = i;
        }
    }

    if (inizioSezione < 0) {
        if (!righe.isEmpty() && !righe.last().trimmed().isEmpty())
            righe << QString();
        righe << QLatin1Char('[') + sezione + QLatin1Char(']') << nuova;
    } else {
        bool sostituita = false;
        int ultimaNonVuota = inizioSezione;
        for (int i = inizioSezione + 1; i < fineSezione; ++i) {
            const QString r = righe.at(i).trimmed();
            if (!r.isEmpty())
                ultimaNonVuota = i;
            const int uguale = r.indexOf(QLatin1Char('='));
            if (uguale > 0 && r.left(uguale).trimmed().compare(chiave, Qt::CaseInsensitive) == 0) {
                righe[i] = nuova;
                sostituita = true;
                break;
            }
        }
        if (!sostituita)
            righe.insert(ultimaNonVuota + 1, nuova);
    }
    const bool ok = TestoFile::scriviRighe(percorso, righe);
    cache().remove(percorso);
    return ok;
}

QString &LinguaCorrente()
{
    static QString lingua;
    return lingua;
}

QString MLSGetText(const QString &chiave)
{
    if (LinguaCorrente().isEmpty())
        LinguaCorrente() = Lingua::linguaSalvata();
    if (LinguaCorrente().isEmpty())
        return QString();
    return MLSReadKey(Lingua::fileLingua(LinguaCorrente()), QStringLiteral("Strings"), chiave)
        .value_or(QString());
}

namespace Lingua {

QString cartella()
{
    return Percorsi::programma(QStringLiteral("lngpinnole"));
}

namespace {

QString fileDelProgramma()
{
    return Percorsi::risolvi(cartella() + QStringLiteral("/LangSetting.ini"));
}

// The user's own choice lives in a folder of its own inside the settings
// folder, where no listing of the users' settings files can see it.
QString cartellaDellUtente()
{
    return Percorsi::risolvi(Percorsi::cartellaPinnole() + QStringLiteral("lngpinnole"));
}

QString fileDellUtente()
{
    return Percorsi::risolvi(cartellaDellUtente() + QStringLiteral("/LangSetting.ini"));
}

// An installed program folder belongs to the system: the choice goes to the
// user's settings folder, also when root could write there, so one user's
// choice never becomes every new user's and no upgrade loses it. So does a
// folder the user cannot write. The build tree keeps it beside the files.
bool sceltaNelProgramma()
{
    return !Percorsi::programmaInstallato() && QFileInfo(cartella()).isWritable();
}

} // namespace

QString fileImpostazioneLingua()
{
    if (sceltaNelProgramma())
        return fileDelProgramma();
    // A choice the user made wins over the one shipped with the program.
    const QString dellUtente = fileDellUtente();
    return EsisteFile(dellUtente) ? dellUtente : fileDelProgramma();
}

QString fileLingua(const QString &lingua)
{
    return Percorsi::risolvi(cartella() + QLatin1Char('/') + lingua + QStringLiteral(".lng"));
}

QString linguaSalvata()
{
    return MLSReadKey(fileImpostazioneLingua(), QStringLiteral("Language"), QStringLiteral("CurrentLanguage"))
        .value_or(QString());
}

QStringList lingueDisponibili()
{
    QStringList nomi;
    const QStringList file = QDir(cartella()).entryList(QDir::Files, QDir::Name);
    for (const QString &f : file) {
        if (f.endsWith(QStringLiteral(".lng"), Qt::CaseInsensitive))
            nomi << f.left(f.size() - 4);
    }
    return nomi;
}

void applicaTraduzioniQt()
{
    static QTranslator *installato = nullptr;
    if (!QCoreApplication::instance())
        return;
    if (installato) {
        QCoreApplication::removeTranslator(installato);
        delete installato;
        installato = nullptr;
    }
    QString codice = MLSGetText(QStringLiteral("0041"));
    codice.remove(QLatin1Char('{')).remove(QLatin1Char('}'));
    if (codice.isEmpty())
        return;
    auto traduttore = std::make_unique<QTranslator>();
    if (traduttore->load(QStringLiteral("qtbase_") + codice, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(traduttore.get());
        installato = traduttore.release();
    }
}

bool scegliLingua(const QString &lingua)
{
    LinguaCorrente() = lingua;
    applicaTraduzioniQt();
    if (sceltaNelProgramma())
        return MLSWriteKey(fileDelProgramma(), QStringLiteral("Language"), QStringLiteral("CurrentLanguage"), lingua);
    if (!QDir().mkpath(cartellaDellUtente()))
        return false;
    return MLSWriteKey(fileDellUtente(), QStringLiteral("Language"), QStringLiteral("CurrentLanguage"), lingua);
}

QStringList chiaviSezione(const QString &file, const QString &sezione)
{
    const FileIni *f = carica(Percorsi::risolvi(file));
    if (!f)
        return {};
    return f->valori.value(sezione.trimmed().toLower()).keys();
}

void svuotaCache()
{
    cache().clear();
}

} // namespace Lingua
