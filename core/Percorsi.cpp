#include "core/Percorsi.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QStandardPaths>
#include <QThread>

namespace {
QString g_cartellaProgramma;
bool g_installato = false;
}

namespace Percorsi {

QString cartellaProgramma()
{
    if (!g_cartellaProgramma.isEmpty())
        return g_cartellaProgramma;
    const QString eseguibile = QCoreApplication::applicationDirPath();
    if (QFileInfo(eseguibile + QStringLiteral("/lngpinnole")).isDir()) {
        g_cartellaProgramma = eseguibile;
        g_installato = false;
    } else {
        g_cartellaProgramma = QDir::cleanPath(eseguibile + QStringLiteral("/../share/pinnole"));
        g_installato = true;
    }
    return g_cartellaProgramma;
}

bool programmaInstallato()
{
    cartellaProgramma();
    return g_installato;
}

void impostaCartellaProgramma(const QString &cartella, bool installata)
{
    g_cartellaProgramma = QDir::cleanPath(cartella);
    g_installato = installata;
}

QString programma(const QString &relativo)
{
    return risolvi(cartellaProgramma() + QLatin1Char('/') + relativo);
}

QString radiceImpostazioni()
{
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return risolvi(base + QStringLiteral("/ImpostazioniProgrammiVermilo")) + QLatin1Char('/');
}

QString fileLeggimi()
{
    return risolvi(radiceImpostazioni() + QStringLiteral("leggimi.txt"));
}

QString cartellaPinnole()
{
    return risolvi(radiceImpostazioni() + QStringLiteral("pinnole")) + QLatin1Char('/');
}

QString cartellaDati()
{
    return risolvi(cartellaPinnole() + QStringLiteral("dati")) + QLatin1Char('/');
}

QString risolvi(const QString &percorso)
{
    if (percorso.isEmpty())
        return percorso;
    const QString pulito = QDir::cleanPath(percorso);
    if (QFileInfo::exists(pulito))
        return pulito;
    const QStringList parti = pulito.split(QLatin1Char('/'));
    QString risolto = pulito.startsWith(QLatin1Char('/')) ? QStringLiteral("/") : QString();
    bool trovato = true;
    for (const QString &parte : parti) {
        if (parte.isEmpty())
            continue;
        QString scelta = parte;
        if (trovato) {
            const QDir cartella(risolto.isEmpty() ? QStringLiteral(".") : risolto);
            if (!QFileInfo::exists(cartella.filePath(parte))) {
                const QStringList voci = cartella.entryList(
                    QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
                trovato = false;
                for (const QString &voce : voci) {
                    if (voce.compare(parte, Qt::CaseInsensitive) == 0) {
                        scelta = voce;
                        trovato = true;
                        break;
                    }
                }
            }
        }
        if (!risolto.isEmpty() && !risolto.endsWith(QLatin1Char('/')))
            risolto += QLatin1Char('/');
        risolto += scelta;
    }
    return risolto;
}

} // namespace Percorsi

bool EsisteFile(const QString &percorso)
{
    if (percorso.isEmpty())
        return false;
    return QFileInfo(Percorsi::risolvi(percorso)).isFile();
}

bool EsisteCartella(const QString &percorso)
{
    if (percorso.isEmpty())
        return false;
    return QFileInfo(Percorsi::risolvi(percorso)).isDir();
}

void Attendi(double secondi)
{
    if (!(secondi > 0))
        return;
    QElapsedTimer orologio;
    orologio.start();
    const qint64 limite = static_cast<qint64>(secondi * 1000.0);
    while (orologio.elapsed() < limite) {
        const qint64 resto = limite - orologio.elapsed();
        QCoreApplication::processEvents(QEventLoop::AllEvents, static_cast<int>(qMin<qint64>(resto, 10)));
        if (limite - orologio.elapsed() > 0)
            QThread::msleep(static_cast<unsigned long>(qMin<qint64>(limite - orologio.elapsed(), 5)));
    }
}
