#pragma once

#include "exercises/caratteristiche/FinestraCaratteristiche.h"

// "Trova gli intrusi": eight sentences describe one of the houses; the child
// removes every other house, one at a time. With the character on, it reads
// the sentences in turn by itself in the scanning modes, pausing longer the
// more houses the scan has to pass (Timer3 keeps Timer2's pause up to date).
class FormEs6 : public FinestraCaratteristiche
{
    Q_OBJECT

public:
    explicit FormEs6(QWidget *parent = nullptr);

    const Esercizio6 &esercizio6() const { return m_esercizio; }
    QTimer *Timer3() const { return m_timer3; }
    void Timer3_Timer();

protected:
    void rispostaMouse(int casa) override;
    void rispostaScansione(int casa) override;
    void itemDipinto() override;
    void avviaLettura() override;
    bool leggeAItemCompleto() const override { return false; }
    void pausaDopoCaricamento() override;

private:
    // Counts and shows an answer; true when it completes the item.
    bool rispondi(int casa);

    Esercizio6 m_esercizio;
    QTimer *m_timer3 = nullptr;
};
