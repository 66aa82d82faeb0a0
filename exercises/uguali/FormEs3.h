#pragma once

#include "exercises/uguali/FinestraUguali.h"

// "Uguali - 2°": two houses alike but for as many parts as the level. With
// the mouse the child clicks a differing part on either house, which then
// takes the other house's value; with scanning the highlight, a coloured
// outline of a part inside the second house, runs over its parts, and
// choosing a differing one repaints it as in the first house. With scanning
// only the coloured parts differ: the smoke and the clouds show in both.
class FormEs3 : public FinestraUguali
{
    Q_OBJECT

public:
    explicit FormEs3(QWidget *parent = nullptr);

    QWidget *Picture1() const { return pannelloConsegna(); }
    // ColoreScansione: the highlight colour as the picture takes it.
    const QString &coloreScansione() const { return m_coloreScansione; }

    // A click reported by house casa (0 or 1): the command text is the part.
    void ShockwaveFlash_FSCommand(int casa, const QString &comando);

protected:
    void aperturaEsercizio() override;
    bool soloPartiColorate() const override { return true; }
    void fotogrammaCase() override;
    void evidenziaParte(int parte, bool evidenziata) override;
    QRect riquadroParte(int parte) const override;
    bool partiIlluminateDaSe() const override { return true; }

private:
    void ColoraSelezionato(int parte);

    QString m_coloreScansione = QStringLiteral("FF0000");
};
