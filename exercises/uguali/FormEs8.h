#pragma once

#include "exercises/uguali/FinestraUguali.h"

#include <QList>

class Cornice;
class Immagine;

// "Uguali - 1°": two houses alike but for as many parts as the level; below
// them a strip of eight part pictures, each in its frame. Choosing the
// picture of a part that differs repaints that part of the second house as
// in the first. The mouse clicks the pictures; scanning moves a frame over
// them, then to the next-item button once every difference is put right.
class FormEs8 : public FinestraUguali
{
    Q_OBJECT

public:
    explicit FormEs8(QWidget *parent = nullptr);

    QWidget *Picture1() const { return m_striscia; }
    QWidget *Picture2() const { return pannelloConsegna(); }
    Immagine *Image1(int indice) const { return m_immagini.value(indice); }
    Cornice *Shape1(int indice) const { return m_cornici.value(indice); }

    // A click on the picture of part indice + 1 (mouse mode only).
    void Image1_Click(int indice);

protected:
    void aperturaEsercizio() override;
    void evidenziaParte(int parte, bool evidenziata) override;
    QRect riquadroParte(int parte) const override;
    bool eventFilter(QObject *oggetto, QEvent *evento) override;
    int spazioAttorno(const QWidget *controllo) const override;

private:
    // ColoraSelezionato: frame i alone shown; -1 hides them all.
    void mostraCornice(int indice);

    QWidget *m_striscia = nullptr;
    QList<Immagine *> m_immagini;
    QList<Cornice *> m_cornici;
};
