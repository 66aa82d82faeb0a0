#pragma once

#include "platform/Suoni.h"

#include <QHash>
#include <QObject>

class QSoundEffect;

// Answer sounds played with QSoundEffect. Each file gets its own effect,
// kept for the run, so a sound heard before starts without loading again.
// With no sound output (no sound server) it stays silent and never blocks.
class SuoniQt : public QObject, public Suoni
{
    Q_OBJECT
public:
    explicit SuoniQt(QObject *parent = nullptr);
    ~SuoniQt() override;

    void suona(const QString &file) override;
    void ferma() override;

    // The file of the sound last started (the default sound when the asked
    // file could not be played); empty when nothing has been started.
    QString fileInCorso() const { return m_inCorso; }
    bool staSuonando() const;

private:
    void avvia(const QString &file);
    void statoCambiato(QSoundEffect *effetto);
    void ripiega(const QString &fallito);
    QSoundEffect *effettoPer(const QString &file);

    QHash<QString, QSoundEffect *> m_effetti;
    QSoundEffect *m_corrente = nullptr;
    QString m_inCorso;
};
