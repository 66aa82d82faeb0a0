#include "platform/Voce.h"

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

// The loudness of one 10 ms stretch of samples.
float livelloDi(const qint16 *campioni, qsizetype numero)
{
    double somma = 0;
    for (qsizetype i = 0; i < numero; ++i)
        somma += double(campioni[i]) * campioni[i];
    return numero > 0 ? float(std::sqrt(somma / double(numero))) : 0.f;
}

// The mouth opens with the loudness against the loudest stretch received so
// far, but never against less than 7000: the loudest stretch of an ordinary
// sentence of the engine is 7500 to 9500, so the first sounds of a text open
// the mouth about as wide as they would against the whole text.
constexpr float kLivelloMinimo = 7000.f;

} // namespace

Voce::Voce(QObject *parent)
    : QObject(parent)
{
    m_ticchettio.setInterval(kPassoMs);
    connect(&m_ticchettio, &QTimer::timeout, this, &Voce::aggiorna);
    connect(&m_osservatore, &QFutureWatcherBase::resultsReadyAt, this, &Voce::partiPronte);
    connect(&m_osservatore, &QFutureWatcherBase::finished, this, &Voce::sintesiFinita);
}

Voce::~Voce()
{
    ferma();
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
    if (!m_uscita)
        m_uscita = creaUscitaVoce();
    m_sonoro = m_uscita && m_uscita->avvia();

    // Each block the engine makes is a result of the future, handed to this
    // thread as soon as it is there.
    auto promessa = std::make_shared<QPromise<AudioVoce>>();
    m_futuro = promessa->future();
    promessa->start();
    lavoratoreVoce().start([promessa, testo, parametri] {
        sintetizzaVoce(
            testo, parametri, [&promessa] { return promessa->isCanceled(); },
            [&promessa](const AudioVoce &parte) { promessa->addResult(parte); });
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
    if (m_uscita)
        m_uscita->ferma();
    m_sonoro = false;
    m_ticchettio.stop();
    m_parlando = false;
    m_audio = AudioVoce();
    m_livelli.clear();
    m_livelloMassimo = 0;
    m_detti = 0;
    if (m_apertura != 0) {
        m_apertura = 0;
        emit aperturaCambiata(0);
    }
}

bool Voce::suonoAttivo() const
{
    return m_sonoro && m_uscita->attiva();
}

void Voce::partiPronte(int inizio, int fine)
{
    if (!m_inSintesi || m_futuro.isCanceled())
        return;
    for (int i = inizio; i < fine; ++i)
        accogli(m_futuro.resultAt(i));
}

void Voce::accogli(const AudioVoce &parte)
{
    const bool primaParte = m_audio.pcm.isEmpty();
    m_audio.pcm.append(parte.pcm);
    m_audio.parole.append(parte.parole);
    aggiungiLivelli(false);
    if (m_sonoro)
        m_uscita->aggiungi(parte.pcm);
    if (primaParte && !m_audio.pcm.isEmpty()) {
        m_orologio.start();
        m_ticchettio.start();
        aggiorna();
    }
}

void Voce::sintesiFinita()
{
    if (!m_inSintesi)
        return;
    m_inSintesi = false;
    if (m_futuro.isCanceled())
        return;
    if (m_sonoro)
        m_uscita->chiudi();
    aggiungiLivelli(true);
    if (m_audio.pcm.isEmpty()) {
        concludi(); // nothing to say (or no engine)
        return;
    }
    aggiorna();
}

void Voce::aggiungiLivelli(bool finoAllaFine)
{
    const auto *campioni = reinterpret_cast<const qint16 *>(m_audio.pcm.constData());
    const qsizetype numero = m_audio.campioni();
    for (qsizetype inizio = qsizetype(m_livelli.size()) * kCampioniPerLivello;
         inizio + kCampioniPerLivello <= numero || (finoAllaFine && inizio < numero); inizio += kCampioniPerLivello) {
        const float livello = livelloDi(campioni + inizio, std::min<qsizetype>(kCampioniPerLivello, numero - inizio));
        m_livelli.append(livello);
        m_livelloMassimo = std::max(m_livelloMassimo, livello);
    }
}

void Voce::aggiorna()
{
    if (!m_parlando || m_audio.pcm.isEmpty())
        return;
    const qint64 trascorsi = m_orologio.elapsed();
    const qint64 campione = trascorsi * AudioVoce::kFrequenza / 1000;

    int apertura = 0;
    const qsizetype indice = trascorsi / kMsPerLivello;
    if (indice < m_livelli.size()) {
        const float livello = m_livelli.at(indice) / std::max(m_livelloMassimo, kLivelloMinimo);
        apertura = livello < 0.15f ? 0 : (livello < 0.45f ? 1 : 2);
    }
    if (apertura != m_apertura) {
        m_apertura = apertura;
        emit aperturaCambiata(apertura);
    }

    // The text is over once all of it is made, its time has passed and the
    // device has played all of it (or there is no device).
    const bool tuttoFatto = !m_inSintesi;
    const bool tempoPassato = tuttoFatto && trascorsi >= m_audio.durataMs();
    int detti = tempoPassato ? int(m_testo.size()) : 0;
    for (const ParolaDetta &parola : std::as_const(m_audio.parole))
        if (parola.campione <= campione)
            detti = std::max(detti, parola.inizio + parola.lunghezza);
    if (detti != m_detti) {
        m_detti = detti;
        emit avanzamento(detti);
    }

    const bool uscitaFinita = !m_sonoro || m_uscita->finita();
    if ((tempoPassato && uscitaFinita) || (tuttoFatto && trascorsi >= m_audio.durataMs() + kMargineFineMs))
        concludi();
}

void Voce::concludi()
{
    if (m_uscita)
        m_uscita->ferma();
    m_sonoro = false;
    m_ticchettio.stop();
    m_parlando = false;
    if (m_apertura != 0) {
        m_apertura = 0;
        emit aperturaCambiata(0);
    }
    emit finito();
}

namespace {
FabbricaUscitaVoce g_fabbricaUscita = nullptr;
}

void impostaUscitaVoce(FabbricaUscitaVoce fabbrica)
{
    g_fabbricaUscita = fabbrica;
}

std::unique_ptr<UscitaVoce> creaUscitaVoce()
{
    return g_fabbricaUscita ? g_fabbricaUscita() : nullptr;
}
