#include "platform/SuoniQt.h"

#include <QApplication>
#include <QAudioDevice>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

SuoniQt::SuoniQt(QObject *parent)
    : QObject(parent)
{
}

SuoniQt::~SuoniQt()
{
    if (m_corrente)
        m_corrente->stop();
}

void SuoniQt::suona(const QString &file)
{
    ferma();
    // Without an output device every effect would end in an error anyway;
    // staying silent at once also spares loading the file.
    if (QMediaDevices::audioOutputs().isEmpty())
        return;
    avvia(file);
}

void SuoniQt::ferma()
{
    if (m_corrente)
        m_corrente->stop();
    m_corrente = nullptr;
    m_inCorso.clear();
}

bool SuoniQt::staSuonando() const
{
    return m_corrente && m_corrente->isPlaying();
}

void SuoniQt::avvia(const QString &file)
{
    QSoundEffect *effetto = QFileInfo(file).isFile() ? effettoPer(file) : nullptr;
    if (!effetto || effetto->status() == QSoundEffect::Error) {
        ripiega(file);
        return;
    }
    m_inCorso = file;
    m_corrente = effetto;
    // While the file is still loading, the effect starts as soon as it is ready.
    effetto->play();
}

QSoundEffect *SuoniQt::effettoPer(const QString &file)
{
    const QString chiave = QFileInfo(file).absoluteFilePath();
    QSoundEffect *effetto = m_effetti.value(chiave);
    // An effect that failed is kept: a new one for the same file would never
    // finish loading, since Qt's sample cache keeps the failed sample and
    // reports its error only once.
    if (!effetto) {
        effetto = new QSoundEffect(this);
        connect(effetto, &QSoundEffect::statusChanged, this, [this, effetto] { statoCambiato(effetto); });
        effetto->setSource(QUrl::fromLocalFile(chiave));
        m_effetti.insert(chiave, effetto);
    }
    return effetto;
}

void SuoniQt::statoCambiato(QSoundEffect *effetto)
{
    if (effetto == m_corrente && effetto->status() == QSoundEffect::Error)
        ripiega(m_inCorso);
}

void SuoniQt::ripiega(const QString &fallito)
{
    // A file that is missing, unreadable or not a WAV gives the default sound;
    // when that fails too, the system's own signal is all that is left.
    m_corrente = nullptr;
    m_inCorso.clear();
    const QString predefinito = suonoPredefinito();
    if (QFileInfo(fallito).absoluteFilePath() != QFileInfo(predefinito).absoluteFilePath())
        avvia(predefinito);
    else if (qobject_cast<QApplication *>(QCoreApplication::instance()))
        QApplication::beep();
}
