#pragma once

#include "platform/VoceEspeak.h"

#include <QAudioDevice>
#include <QElapsedTimer>
#include <QFuture>
#include <QFutureWatcher>
#include <QObject>
#include <QTimer>
#include <QVector>

class QAudioSink;
class QBuffer;

// Says one text at a time: synthesised on the speech worker thread (never on
// the user-interface thread), then played through the default sound device.
// With no sound device the text is "said" silently in the time it would take,
// so the mouth and the balloon behave the same and nothing waits or fails.
class Voce : public QObject
{
    Q_OBJECT
public:
    explicit Voce(QObject *parent = nullptr);
    ~Voce() override;

    // Readies the speech engine on the speech worker, so the first text
    // said starts as promptly as the others; call once something is on the
    // screen, as it takes the worker a few hundred milliseconds.
    static void preparaMotore();

    // Starts saying the text, silencing the one in progress.
    void parla(const QString &testo, const ParametriVoce &parametri);
    // Silence at once; finito is not emitted for the interrupted text.
    void ferma();

    // From parla until the text has been heard or ferma.
    bool staParlando() const { return m_parlando; }
    // The current text's audio is going to a sound device.
    bool suonoAttivo() const;
    // The mouth opening at this moment: 0 closed, 1 half open, 2 open.
    int apertura() const { return m_apertura; }
    // How many characters of the text have been said so far.
    int caratteriDetti() const { return m_detti; }
    QString testo() const { return m_testo; }

signals:
    void aperturaCambiata(int apertura);
    void avanzamento(int caratteriDetti);
    // The text has been said to its end.
    void finito();

private:
    void audioPronto();
    void aggiorna();
    void concludi();
    void avviaUscita();
    void fermaUscita();

    QString m_testo;
    QFuture<AudioVoce> m_futuro;
    QFutureWatcher<AudioVoce> m_osservatore;
    AudioVoce m_audio;
    QVector<float> m_livelli; // loudness per 10 ms, 1 = the loudest of the text
    // One output for the voice's whole life, started again for each text:
    // deleting an output serves pending events from inside its destructor,
    // which must not happen in the middle of the voice's own work.
    QAudioSink *m_uscita = nullptr;
    QAudioDevice m_dispositivo;
    QBuffer *m_flusso = nullptr; // owned by m_uscita
    QTimer m_ticchettio;
    QElapsedTimer m_orologio;
    bool m_parlando = false;
    bool m_inSintesi = false;
    int m_apertura = 0;
    int m_detti = 0;
};
