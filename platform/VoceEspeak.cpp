#include "platform/VoceEspeak.h"

#include "platform/VoceEtichette.h"

#include <QMutex>
#include <QMutexLocker>
#include <QtDebug>

#include <espeak-ng/speak_lib.h>

#include <dlfcn.h>

#include <algorithm>

namespace {

QMutex &bloccoMotore()
{
    static QMutex blocco;
    return blocco;
}

// What one synthesis collects through the engine's callback.
struct Raccolta
{
    QByteArray *pcm = nullptr;
    QVector<ParolaDetta> *parole = nullptr;
    const QVector<int> *indiciTesto = nullptr; // code point -> QString index
    const std::function<bool()> *annullata = nullptr;
    const std::function<void(const AudioVoce &)> *aOgniParte = nullptr;
};

int richiamoSintesi(short *campioni, int numero, espeak_EVENT *eventi)
{
    if (!eventi)
        return 0;
    auto *raccolta = static_cast<Raccolta *>(eventi->user_data);
    if (!raccolta)
        return 0;
    const qsizetype paroleDa = raccolta->parole->size();
    for (espeak_EVENT *e = eventi; e->type != espeakEVENT_LIST_TERMINATED; ++e) {
        if (e->type != espeakEVENT_WORD)
            continue;
        // Word events come before the audio of the same block: the word
        // starts at the sample the engine reports in milliseconds.
        const auto &indici = *raccolta->indiciTesto;
        const int primo = std::clamp(e->text_position - 1, 0, int(indici.size()) - 1);
        const int ultimo = std::clamp(e->text_position - 1 + e->length, 0, int(indici.size()) - 1);
        ParolaDetta parola;
        parola.campione = qint64(e->audio_position) * AudioVoce::kFrequenza / 1000;
        parola.inizio = indici.value(primo);
        parola.lunghezza = indici.value(ultimo) - parola.inizio;
        raccolta->parole->append(parola);
    }
    if (*raccolta->annullata && (*raccolta->annullata)())
        return 1; // stops the synthesis
    const qsizetype pcmDa = raccolta->pcm->size();
    if (campioni && numero > 0)
        raccolta->pcm->append(reinterpret_cast<const char *>(campioni), numero * int(sizeof(short)));
    if (*raccolta->aOgniParte && (raccolta->pcm->size() > pcmDa || raccolta->parole->size() > paroleDa)) {
        AudioVoce parte;
        parte.pcm = raccolta->pcm->mid(pcmDa);
        parte.parole = raccolta->parole->mid(paroleDa);
        (*raccolta->aOgniParte)(parte);
    }
    return 0;
}

// The engine's library, opened by the speech worker when the engine is first
// needed rather than at start: with it come a dozen sound-file and codec
// libraries that would otherwise be mapped and linked before the splash.
struct Motore
{
    decltype(&espeak_Initialize) inizializza = nullptr;
    decltype(&espeak_SetSynthCallback) richiamo = nullptr;
    decltype(&espeak_SetVoiceByName) scegliVoce = nullptr;
    decltype(&espeak_SetParameter) parametro = nullptr;
    decltype(&espeak_Synth) sintetizza = nullptr;
    decltype(&espeak_Synchronize) attendi = nullptr;
    decltype(&espeak_ListVoices) elencaVoci = nullptr;
};

Motore g_motore;

template <typename Funzione>
bool trova(void *libreria, const char *nome, Funzione *funzione)
{
    *funzione = reinterpret_cast<Funzione>(dlsym(libreria, nome));
    return *funzione != nullptr;
}

bool apriLibreria()
{
    // Kept open for the program's life.
    void *libreria = dlopen("libespeak-ng.so.1", RTLD_NOW | RTLD_LOCAL);
    if (!libreria) {
        qWarning("Speech engine unavailable: %s", dlerror());
        return false;
    }
    Motore m;
    if (!trova(libreria, "espeak_Initialize", &m.inizializza)
        || !trova(libreria, "espeak_SetSynthCallback", &m.richiamo)
        || !trova(libreria, "espeak_SetVoiceByName", &m.scegliVoce)
        || !trova(libreria, "espeak_SetParameter", &m.parametro)
        || !trova(libreria, "espeak_Synth", &m.sintetizza)
        || !trova(libreria, "espeak_Synchronize", &m.attendi)
        || !trova(libreria, "espeak_ListVoices", &m.elencaVoci)) {
        qWarning("Speech engine unavailable: libespeak-ng.so.1 lacks a function");
        return false;
    }
    g_motore = m;
    return true;
}

// Call with the lock held. The engine is set up once; false when its library
// or its data cannot be found (it is then never used).
bool motorePronto()
{
    static int stato = 0; // 0 not tried, 1 ready, -1 failed
    if (stato == 0) {
        stato = -1;
        if (apriLibreria()) {
            const int frequenza = g_motore.inizializza(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr,
                                                       espeakINITIALIZE_DONT_EXIT);
            if (frequenza != AudioVoce::kFrequenza) {
                qWarning("Speech engine unavailable (espeak-ng returned %d)", frequenza);
            } else {
                g_motore.richiamo(richiamoSintesi);
                stato = 1;
            }
        }
    }
    return stato == 1;
}

QString nomeFile(const char *identificativo)
{
    const QString id = QString::fromUtf8(identificativo);
    return id.mid(id.lastIndexOf(QLatin1Char('/')) + 1);
}

// The engine's list of voices with their languages, read once.
struct VoceMotore
{
    ModoVoce modo;
    QStringList lingue;
};

const QList<VoceMotore> &vociMotore()
{
    static const QList<VoceMotore> voci = [] {
        QList<VoceMotore> elenco;
        QMutexLocker blocco(&bloccoMotore());
        if (!motorePronto())
            return elenco;
        const espeak_VOICE **lista = g_motore.elencaVoci(nullptr);
        for (int i = 0; lista && lista[i]; ++i) {
            const espeak_VOICE *v = lista[i];
            VoceMotore voce;
            voce.modo.identificativo = nomeFile(v->identifier);
            voce.modo.nome = QString::fromUtf8(v->name);
            voce.modo.voce = QString::fromUtf8(v->identifier);
            // Each language is a priority byte, then the name, then a zero.
            for (const char *p = v->languages; p && *p; p += qstrlen(p + 1) + 2)
                voce.lingue.append(QString::fromUtf8(p + 1));
            const bool doppia = std::any_of(elenco.cbegin(), elenco.cend(), [&voce](const VoceMotore &altra) {
                return altra.modo.identificativo.compare(voce.modo.identificativo, Qt::CaseInsensitive) == 0;
            });
            if (!doppia)
                elenco.append(voce);
        }
        std::sort(elenco.begin(), elenco.end(), [](const VoceMotore &a, const VoceMotore &b) {
            return a.modo.nome.localeAwareCompare(b.modo.nome) < 0;
        });
        return elenco;
    }();
    return voci;
}

} // namespace

AudioVoce sintetizzaVoce(const QString &testo, const ParametriVoce &parametri,
                         const std::function<bool()> &annullata,
                         const std::function<void(const AudioVoce &parte)> &aOgniParte)
{
    AudioVoce audio;
    if (testo.trimmed().isEmpty())
        return audio;

    // The engine counts characters as code points, from 1; keep where each
    // one starts in the QString (plus one past the end).
    QVector<int> indici;
    indici.reserve(testo.size() + 1);
    for (int i = 0; i < testo.size(); ++i) {
        if (testo.at(i).isLowSurrogate() && i > 0 && testo.at(i - 1).isHighSurrogate())
            continue;
        indici.append(i);
    }
    indici.append(testo.size());

    const QByteArray utf8 = testo.toUtf8();
    Raccolta raccolta;
    raccolta.pcm = &audio.pcm;
    raccolta.parole = &audio.parole;
    raccolta.indiciTesto = &indici;
    raccolta.annullata = &annullata;
    raccolta.aOgniParte = &aOgniParte;

    QMutexLocker blocco(&bloccoMotore());
    if (!motorePronto())
        return audio;
    const QByteArray voce = parametri.voce.isEmpty() ? QByteArrayLiteral("it") : parametri.voce.toUtf8();
    if (g_motore.scegliVoce(voce.constData()) != EE_OK) {
        qWarning("Speech engine: no voice %s, speaking Italian", voce.constData());
        g_motore.scegliVoce("it");
    }
    g_motore.parametro(espeakRATE, std::clamp(parametri.velocita, int(espeakRATE_MINIMUM), int(espeakRATE_MAXIMUM)), 0);
    g_motore.parametro(espeakPITCH, std::clamp(parametri.tono, 0, 100), 0);
    g_motore.sintetizza(utf8.constData(), size_t(utf8.size()) + 1, 0, POS_CHARACTER, 0,
                        espeakCHARS_UTF8, nullptr, &raccolta);
    g_motore.attendi();
    return audio;
}

void preparaMotoreVoce(const QString &voce)
{
    vociMotore();
    QMutexLocker blocco(&bloccoMotore());
    if (!motorePronto())
        return;
    const QByteArray nome = voce.isEmpty() ? QByteArrayLiteral("it") : voce.toUtf8();
    g_motore.scegliVoce(nome.constData());
}

QList<ModoVoce> modiVoce()
{
    QList<ModoVoce> modi;
    for (const VoceMotore &v : vociMotore())
        modi.append(v.modo);
    return modi;
}

QString voceDelModoMotore(const QString &modo)
{
    const QString id = voceDelModo(modo);
    if (id.isEmpty())
        return {};
    for (const VoceMotore &v : vociMotore())
        if (v.modo.identificativo.compare(id, Qt::CaseInsensitive) == 0)
            return v.modo.voce;
    return {};
}

QString voceDellaLingua(const QString &lingua)
{
    if (lingua.isEmpty())
        return {};
    for (const VoceMotore &v : vociMotore())
        if (v.modo.identificativo.compare(lingua, Qt::CaseInsensitive) == 0)
            return v.modo.voce;
    for (const VoceMotore &v : vociMotore())
        for (const QString &l : v.lingue)
            if (l.compare(lingua, Qt::CaseInsensitive) == 0)
                return v.modo.voce;
    return {};
}
