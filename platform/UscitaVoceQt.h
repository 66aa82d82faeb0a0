#pragma once

#include "platform/UscitaVoce.h"

#include <QAudioDevice>
#include <QObject>

class QAudioSink;
class FlussoVoce;

// The voice's output on the default sound device through one QAudioSink,
// kept for the voice's whole life and started again for each text: deleting
// a sink serves pending events from inside its destructor, which must not
// happen in the middle of the voice's own work. The sink reads the samples
// from a stream that grows while the text is synthesised.
class UscitaVoceQt : public QObject, public UscitaVoce
{
    Q_OBJECT
public:
    UscitaVoceQt();
    ~UscitaVoceQt() override;

    bool avvia() override;
    void aggiungi(const QByteArray &pcm) override;
    void chiudi() override;
    void ferma() override;
    bool attiva() const override;
    bool finita() const override;

private:
    QAudioSink *m_uscita = nullptr;
    QAudioDevice m_dispositivo;
    FlussoVoce *m_flusso = nullptr; // owned by m_uscita
    bool m_rifiutata = false;       // the device refused this text
};
