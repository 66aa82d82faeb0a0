#pragma once

#include "exercises/es5/Esercizio5.h"
#include "framework/FinestraEsercizio.h"

#include <QList>

class Linea;
class ShockwaveFlash;

// "Insiemi": a sentence about houses, two framed boxes with a button under
// each, and a house to sort below them. The left box takes the houses the
// sentence is true of, the right box the others; a right choice adds a small
// copy of the house to its box and brings a new house for the same sentence,
// until one box holds ten. The items come from Esercizio5; this window paints
// the houses, shows and reads the sentence and counts the answers.
class FormEs5 : public FinestraEsercizio
{
    Q_OBJECT

public:
    explicit FormEs5(QWidget *parent = nullptr);

    const Esercizio5 &esercizio() const { return m_esercizio; }
    // The house to sort, and the small houses of the left (2) and right (3) box.
    ShockwaveFlash *ShockwaveFlash1() const { return m_casa; }
    ShockwaveFlash *ShockwaveFlash2(int indice) const;
    ShockwaveFlash *ShockwaveFlash3(int indice) const;
    Linea *Line1(int indice) const;

    // Command1_Click and the scanning select, public so that tools can drive them.
    void Command1_Click(int indice) override;
    // The character reads the sentence again.
    void PicMerlino_Click();

protected:
    void aperturaEsercizio() override;
    void generaItem() override;
    void selezionaPulsante(int indice) override;
    bool eventFilter(QObject *oggetto, QEvent *evento) override;

private:
    void ApriFilepinnole();
    void ImpostaColori();
    // A right answer: the house is copied into its box; then a new house, or
    // the end of the item when a box is full (returns true).
    bool mettiNellaScatola();
    void nascondiCasette();

    ShockwaveFlash *m_casa = nullptr;
    QList<ShockwaveFlash *> m_casetteSi;
    QList<ShockwaveFlash *> m_casetteNo;
    QList<Linea *> m_bordi;
    Esercizio5 m_esercizio;
};
