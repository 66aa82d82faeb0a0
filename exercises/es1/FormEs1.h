#pragma once

#include "exercises/es1/Esercizio1.h"
#include "framework/FinestraEsercizio.h"

class ShockwaveFlash;

// "Vero o falso": one house in random colours and a sentence about it; the
// child answers true or false. The items come from Esercizio1; this window
// paints the house, shows and reads the sentence, counts the answers and
// brings a reward every tenth right answer.
class FormEs1 : public FinestraEsercizio
{
    Q_OBJECT

public:
    explicit FormEs1(QWidget *parent = nullptr);

    ShockwaveFlash *ShockwaveFlash1() const { return m_casa; }
    const Esercizio1 &esercizio() const { return m_esercizio; }
    const RitmoPremio &premio() const { return m_premio; }

    // Command1_Click and the scanning select, public so that tools can drive them.
    void Command1_Click(int indice) override;

protected:
    void trattamentoPulsantiVoce(bool voceAttiva) override;
    void aperturaEsercizio() override;
    void generaItem() override;
    void selezionaPulsante(int indice) override;

private:
    void ApriFilepinnole();
    void ImpostaColori();
    void mostraPremio();
    void prossimoEsercizio();

    ShockwaveFlash *m_casa = nullptr;
    Esercizio1 m_esercizio;
    RitmoPremio m_premio;
    QString m_didascalie[2];
};
