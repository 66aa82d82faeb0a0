#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QVector>

#include <functional>

// The speech engine: espeak-ng synthesising into memory. The engine is one
// per process and not thread-safe, so every call here takes one lock; the
// speaking character calls it from its single worker thread only.

// What the engine is asked to say a text with.
struct ParametriVoce
{
    QString voce;          // engine voice identifier ("roa/it"); empty: Italian
    int velocita = 175;    // words per minute, 80..450
    int tono = 50;         // 0..100, 50 normal
};

// A word of the text and the sample at which it starts to be heard.
struct ParolaDetta
{
    qint64 campione = 0;
    int inizio = 0;     // index in the text (QString positions)
    int lunghezza = 0;
};

// Synthesised speech: 16-bit signed mono samples at kFrequenza.
struct AudioVoce
{
    static constexpr int kFrequenza = 22050;
    QByteArray pcm;
    QVector<ParolaDetta> parole;
    qint64 campioni() const { return pcm.size() / 2; }
    qint64 durataMs() const { return campioni() * 1000 / kFrequenza; }
};

// Synthesises the text whole. When annullata() turns true the synthesis
// stops early and what was made so far is returned. An empty result when the
// engine or its data cannot be loaded. aOgniParte, when given, gets each
// block as the engine makes it (about 60 ms of samples, and the words whose
// first sample is in it, counted from the start of the text), so that the
// text can be heard while the rest is still being synthesised.
AudioVoce sintetizzaVoce(const QString &testo, const ParametriVoce &parametri,
                         const std::function<bool()> &annullata = {},
                         const std::function<void(const AudioVoce &parte)> &aOgniParte = {});

// Sets the engine up ahead of the first text: its data, its list of voices
// and a voice's dictionary (an empty name: Italian), which the first text
// would otherwise wait for. Meant for the speech worker, once the program
// has something on the screen.
void preparaMotoreVoce(const QString &voce = QString());

// An engine mode as the configuration dialog lists it: the voice's readable
// name and its identifier, written "{identifier}" in the settings.
struct ModoVoce
{
    QString identificativo; // "it", "en-GB", "pt-BR"
    QString nome;           // "Italian"
    QString voce;           // the engine's own voice identifier ("roa/it")
    QString modo() const { return QLatin1Char('{') + identificativo + QLatin1Char('}'); }
};

// Every voice of the engine, ordered by name; empty when the engine cannot
// be loaded. Read once, then kept.
QList<ModoVoce> modiVoce();

// The engine voice of a mode string "{it}" (identifier matched without
// regard to case); empty when no voice has that identifier.
QString voceDelModoMotore(const QString &modo);

// The engine voice for a language code ("it", "en-US"): the voice of that
// identifier, else the first voice listing that language; empty when none.
QString voceDellaLingua(const QString &lingua);
