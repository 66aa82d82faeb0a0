#pragma once

#include "exercises/caratteristiche/FinestraCaratteristiche.h"

// "Indovina chi?": the same houses and sentences as "Trova gli intrusi"; the
// child chooses the one house the sentences describe. With the character on,
// in the scanning modes it reads the sentences in turn every four seconds,
// also once the model has been found.
class FormEs7 : public FinestraCaratteristiche
{
    Q_OBJECT

public:
    explicit FormEs7(QWidget *parent = nullptr);

    const Esercizio7 &esercizio7() const { return m_esercizio; }

protected:
    void rispostaMouse(int casa) override;
    void rispostaScansione(int casa) override;
    void avviaLettura() override;
    bool leggeAItemCompleto() const override { return true; }
    void pausaDopoCaricamento() override;

private:
    Esercizio7 m_esercizio;
};
