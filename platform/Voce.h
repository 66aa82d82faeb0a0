#pragma once

#include "platform/UscitaVoce.h"
#include "platform/VoceEspeak.h"

#include <QElapsedTimer>
#include <QFuture>
#include <QFutureWatcher>
#include <QObject>
#include <QTimer>
#include <QVector>

// Says one text at a time: synthesised on the speech worker thread (never on
// the user-interface thread) and heard through the default sound device
// block by block as it is made, so a long text starts as soon as a short one.
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
    void partiPronte(int inizio, int fine);
    void accogli(const AudioVoce &parte);
    void sintesiFinita();
    void aggiungiLivelli(bool finoAllaFine);
    void aggiorna();
    void concludi();

    QString m_testo;
    QFuture<AudioVoce> m_futuro; // one result per block of the text
    QFutureWatcher<AudioVoce> m_osservatore;
    AudioVoce m_audio;          // the blocks received so far
    QVector<float> m_livelli;   // loudness per 10 ms
    float m_livelloMassimo = 0; // the loudest 10 ms so far
    std::unique_ptr<UscitaVoce> m_uscita; // null: no sound output installed
    bool m_sonoro = false;      // this text goes to a sound device
    QTimer m_ticchettio;
    QElapsedTimer m_orologio;   // from the first block of the text
    bool m_parlando = false;
    bool m_inSintesi = false;
    int m_apertura = 0;
    int m_detti = 0;
};
