#include "platform/Voce.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>
#include <QPromise>
#include <QThreadPool>

#include <cmath>
#include <memory>

namespace {

constexpr int kMsPerLivello = 10;
constexpr int kCampioniPerLivello = AudioVoce::kFrequenza * kMsPerLivello / 1000;
constexpr int kPassoMs = 30;            // mouth and balloon refresh
constexpr int kMargineFineMs = 3000;    // a stuck sound device never holds the text longer

// The one worker that owns the speech engine: texts are synthesised one
// after the other, in the order they were asked for.
QThreadPool &lavoratoreVoce()
{
    static QThreadPool lavoratore;
    static const bool pronto = [] {
        lavoratore.setMaxThreadCount(1);
        return true;
    }();
    Q_UNUSED(pronto);
    return lavoratore;
}

QVector<float> livelliDi(const QByteArray &pcm)
{
    const auto *campioni = reinterpret_cast<const qint16 *>(pcm.constData());
    const qsizetype numero = pcm.size() / 2;
    QVector<float> livelli;
    livelli.reserve(numero / kCampioniPerLivello + 1);
    float massimo = 0;
    for (qsizetype inizio = 0; inizio < numero; inizio += kCampioniPerLivello) {
        const qsizetype fine = std::min(numero, inizio + kCampioniPerLivello);
        double somma = 0;
        for (qsizetype i = inizio; i < fine; ++i)
            somma += double(campioni[i]) * campioni[i];
        const float rms = float(std::sqrt(somma / double(fine - inizio)));
        livelli.append(rms);
        massimo = std::max(massimo, rms);
    }
    if (massimo > 0)
        for (float &l : livelli)
            l /= massimo;
    return livelli;
}

} // namespace

Voce::Voce(QObject *parent)
    : QObject(parent)
{
    m_ticchettio.setInterval(kPassoMs);
    connect(&m_ticchettio, &QTimer::timeout, this, &Voce::aggiorna);
    connect(&m_osservatore, &QFutureWatcherBase::finished, this, &Voce::audioPronto);
}

Voce::~Voce()
{
    ferma();
    if (m_uscita)
        m_uscita->deleteLater();
}

void Voce::preparaMotore()
{
    lavoratoreVoce().start([] { preparaMotoreVoce(); });
}

void Voce::parla(const QString &testo, const ParametriVoce &parametri)
{
    ferma();
    m_testo = testo;
    m_parlando = true;
    m_inSintesi = true;

    auto promessa = std::make_shared<QPromise<AudioVoce>>();
    m_futuro = promessa->future();
    promessa->start();
    lavoratoreVoce().start([promessa, testo, parametri] {
        AudioVoce audio = sintetizzaVoce(testo, parametri, [&promessa] { return promessa->isCanceled(); });
        if (!promessa->isCanceled())
            promessa->addResult(std::move(audio));
        promessa->finish();
    });
    m_osservatore.setFuture(m_futuro);
}

void Voce::ferma()
{
    if (m_inSintesi) {
        m_futuro.cancel();
        m_osservatore.setFuture(QFuture<AudioVoce>());
        m_inSintesi = false;
    }
    fermaUscita();
    m_ticchettio.stop();
    m_parlando = false;
    m_audio = AudioVoce();
    m_livelli.clear();
    m_detti = 0;
    if (m_apertura != 0) {
        m_apertura = 0;
        emit aperturaCambiata(0);
    }
}

bool Voce::suonoAttivo() const
{
    return m_uscita && (m_uscita->state() == QAudio::ActiveState || m_uscita->state() == QAudio::IdleState);
}

void Voce::audioPronto()
{
    if (!m_inSintesi)
        return;
    m_inSintesi = false;
    if (m_futuro.isCanceled())
        return;
    if (m_futuro.resultCount() == 0) {
        concludi();
        return;
    }
    m_audio = m_futuro.result();
    m_livelli = livelliDi(m_audio.pcm);
    m_orologio.start();
    avviaUscita();
    m_ticchettio.start();
    aggiorna();
}

void Voce::avviaUscita()
{
    if (m_audio.pcm.isEmpty())
        return;
    const QAudioDevice dispositivo = QMediaDevices::defaultAudioOutput();
    if (m_uscita && dispositivo != m_dispositivo) {
        m_uscita->deleteLater(); // the default device changed: a new output for it
        m_uscita = nullptr;
        m_flusso = nullptr;
    }
    if (dispositivo.isNull())
        return;
    if (!m_uscita) {
        QAudioFormat formato;
        formato.setSampleRate(AudioVoce::kFrequenza);
        formato.setChannelCount(1);
        formato.setSampleFormat(QAudioFormat::Int16);
        m_dispositivo = dispositivo;
        m_uscita = new QAudioSink(dispositivo, formato);
        m_flusso = new QBuffer(m_uscita);
    }
    m_flusso->close();
    m_flusso->setData(m_audio.pcm);
    m_flusso->open(QIODevice::ReadOnly);
    m_uscita->start(m_flusso);
    if (m_uscita->error() != QAudio::NoError)
        fermaUscita(); // no sound after all: go on silently
}

void Voce::fermaUscita()
{
    if (m_uscita && m_uscita->state() != QAudio::StoppedState)
        m_uscita->stop();
}

void Voce::aggiorna()
{
    if (!m_parlando || m_inSintesi)
        return;
    const qint64 trascorsi = m_orologio.elapsed();
    const qint64 campione = trascorsi * AudioVoce::kFrequenza / 1000;

    int apertura = 0;
    const qsizetype indice = trascorsi / kMsPerLivello;
    if (indice < m_livelli.size()) {
        const float livello = m_livelli.at(indice);
        apertura = livello < 0.15f ? 0 : (livello < 0.45f ? 1 : 2);
    }
    if (apertura != m_apertura) {
        m_apertura = apertura;
        emit aperturaCambiata(apertura);
    }

    int detti = trascorsi >= m_audio.durataMs() ? m_testo.size() : 0;
    for (const ParolaDetta &parola : std::as_const(m_audio.parole))
        if (parola.campione <= campione)
            detti = std::max(detti, parola.inizio + parola.lunghezza);
    if (detti != m_detti) {
        m_detti = detti;
        emit avanzamento(detti);
    }

    // The text is over once its time has passed and the device has taken
    // all of it (or there is no device).
    const bool tempoPassato = trascorsi >= m_audio.durataMs();
    const bool uscitaFinita = !m_uscita || m_uscita->state() == QAudio::IdleState
        || m_uscita->state() == QAudio::StoppedState;
    if ((tempoPassato && uscitaFinita) || trascorsi >= m_audio.durataMs() + kMargineFineMs)
        concludi();
}

void Voce::concludi()
{
    fermaUscita();
    m_ticchettio.stop();
    m_parlando = false;
    if (m_apertura != 0) {
        m_apertura = 0;
        emit aperturaCambiata(0);
    }
    emit finito();
}
