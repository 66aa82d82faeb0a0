#include "platform/UscitaVoceQt.h"

#include "platform/VoceEspeak.h"

#include <QAudioFormat>
#include <QAudioSink>
#include <QIODevice>
#include <QMediaDevices>

#include <cstring>

// The samples of one text as the sink reads them: they are added while the
// text is synthesised, and the stream ends once it is closed and read to
// its end. Should the sink catch up with the synthesis, it reads a moment of
// silence instead of ending the text early.
class FlussoVoce : public QIODevice
{
public:
    using QIODevice::QIODevice;

    void ricomincia()
    {
        m_campioni.clear();
        m_letti = 0;
        m_chiuso = false;
        if (!isOpen())
            open(QIODevice::ReadOnly);
    }
    void aggiungi(const QByteArray &pcm)
    {
        m_campioni.append(pcm);
        emit readyRead();
    }
    void chiudi() { m_chiuso = true; }
    bool lettoTutto() const { return m_chiuso && m_letti >= m_campioni.size(); }

    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override { return m_campioni.size() - m_letti + QIODevice::bytesAvailable(); }
    bool atEnd() const override { return lettoTutto(); }

protected:
    qint64 readData(char *dati, qint64 massimo) override
    {
        const qint64 pronti = m_campioni.size() - m_letti;
        if (pronti > 0) {
            const qint64 n = std::min(massimo, pronti);
            std::memcpy(dati, m_campioni.constData() + m_letti, size_t(n));
            m_letti += n;
            return n;
        }
        if (m_chiuso)
            return 0;
        // 10 ms of silence, in whole samples.
        const qint64 n = std::min(massimo, qint64(AudioVoce::kFrequenza / 100 * 2)) & ~qint64(1);
        std::memset(dati, 0, size_t(n));
        return n;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    QByteArray m_campioni;
    qint64 m_letti = 0;
    bool m_chiuso = false;
};

UscitaVoceQt::UscitaVoceQt() = default;

UscitaVoceQt::~UscitaVoceQt()
{
    ferma();
    if (m_uscita)
        m_uscita->deleteLater();
}

bool UscitaVoceQt::avvia()
{
    ferma();
    const QAudioDevice dispositivo = QMediaDevices::defaultAudioOutput();
    if (m_uscita && dispositivo != m_dispositivo) {
        m_uscita->deleteLater(); // the default device changed: a new sink for it
        m_uscita = nullptr;
        m_flusso = nullptr;
    }
    if (dispositivo.isNull())
        return false;
    if (!m_uscita) {
        QAudioFormat formato;
        formato.setSampleRate(AudioVoce::kFrequenza);
        formato.setChannelCount(1);
        formato.setSampleFormat(QAudioFormat::Int16);
        m_dispositivo = dispositivo;
        m_uscita = new QAudioSink(dispositivo, formato);
        m_flusso = new FlussoVoce(m_uscita);
    }
    m_flusso->ricomincia();
    m_rifiutata = false;
    return true;
}

void UscitaVoceQt::aggiungi(const QByteArray &pcm)
{
    if (!m_uscita || m_rifiutata || pcm.isEmpty())
        return;
    m_flusso->aggiungi(pcm);
    // The sink starts with the first samples, so it never begins on silence.
    if (m_uscita->state() == QAudio::StoppedState) {
        m_uscita->start(m_flusso);
        if (m_uscita->error() != QAudio::NoError) {
            m_rifiutata = true; // no sound after all: the text goes on silently
            ferma();
        }
    }
}

void UscitaVoceQt::chiudi()
{
    if (m_flusso)
        m_flusso->chiudi();
}

void UscitaVoceQt::ferma()
{
    if (m_uscita && m_uscita->state() != QAudio::StoppedState)
        m_uscita->stop();
}

bool UscitaVoceQt::attiva() const
{
    return m_uscita && (m_uscita->state() == QAudio::ActiveState || m_uscita->state() == QAudio::IdleState);
}

bool UscitaVoceQt::finita() const
{
    if (!m_uscita || m_uscita->state() == QAudio::StoppedState)
        return true;
    return m_uscita->state() == QAudio::IdleState && m_flusso->lettoTutto();
}
