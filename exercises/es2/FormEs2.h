#pragma once

#include "exercises/es2/Esercizio2.h"
#include "framework/FeedbackPremio.h"
#include "framework/FinestraEsercizio.h"
#include "framework/Livelli.h"

class ShockwaveFlash;

// "Uguale - diverso": two houses side by side and an open sentence about one
// part; the child completes it with the word for same or for different. The
// items come from Esercizio2; this window paints the two houses, shows and
// reads the sentence, counts the answers and brings a reward every tenth
// right answer in the left house.
class FormEs2 : public FinestraEsercizio
{
    Q_OBJECT

public:
    explicit FormEs2(QWidget *parent = nullptr);

    ShockwaveFlash *ShockwaveFlash1() const { return m_case[0]; }
    ShockwaveFlash *ShockwaveFlash2() const { return m_case[1]; }
    const Esercizio2 &esercizio() const { return m_esercizio; }
    const RitmoPremio &premio() const { return m_premio; }

    // Public so that tools can drive it.
    void Command1_Click(int indice) override;

protected:
    void trattamentoPulsantiVoce(bool voceAttiva) override;
    void aperturaEsercizio() override;
    void generaItem() override;
    void selezionaPulsante(int indice) override;

private:
    void ApriFilepinnole();
    void ImpostaColori();
    void rispostaGiusta();
    void mostraPremio();
    void prossimoEsercizio();
    void caratterePulsanti();

    ShockwaveFlash *m_case[2] = {nullptr, nullptr};
    Esercizio2 m_esercizio;
    RitmoPremio m_premio;
    bool m_voceAttiva = true;
};
