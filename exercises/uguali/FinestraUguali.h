#pragma once

#include "exercises/uguali/CaseUguali.h"
#include "framework/FinestraEsercizio.h"

class ShockwaveFlash;

// What "Uguali - 1°" and "Uguali - 2°" share: two houses side by side, alike
// but for as many parts as the level; the instruction read at the opening,
// repeated by the instruction button Command1(1) or shown in its panel; the
// next-item button Command1(0), enabled (with the mouse) or highlighted (by
// scanning) once every difference is put right; and the scanning ring of
// nine positions, the eight parts 1..8 then the next-item button, on which
// the scan rests once the item is complete. The two windows differ in how
// the child points at a part: FormEs8 by the strip of part pictures, FormEs3
// on the houses themselves.
class FinestraUguali : public FinestraEsercizio
{
    Q_OBJECT

public:
    static constexpr int kPosizioneAvanti = 8; // ring positions 0..7 are parts 1..8

    ShockwaveFlash *ShockwaveFlash1() const { return m_case[0]; }
    ShockwaveFlash *ShockwaveFlash2() const { return m_case[1]; }
    const CaseUguali &gioco() const { return m_gioco; }
    // The panel that holds the instruction Label1.
    QWidget *pannelloConsegna() const { return m_pannello; }

    // Command1(0) new item, Command1(1) the instruction again. Public so that
    // tools can drive it.
    void Command1_Click(int indice) override;
    void Label1_Click();

protected:
    // consegne: message keys of the instruction with the mouse and with
    // scanning (the same key when there is one instruction).
    FinestraUguali(const Progetto &progetto, const QString &consegnaMouse, const QString &consegnaScansione,
                   QWidget *parent);

    // Places the houses, the instruction panel (with Label1 in it) and the
    // two buttons at their design positions; the window then adds its own
    // controls and calls Form_Load.
    void creaControlli(QRect casa1, QRect casa2, QWidget *contenitorePulsanti, QRect avanti, QRect consegna,
                       const QString &nomePannello, QRect pannello);

    void aperturaEsercizio() override;
    void generaItem() override;
    ControlloScansione::Anello anelloScansione() override;

    // The child chooses part 1..8 on a house (the second house when scanning).
    void scegliParte(int parte, int casa);
    bool scansioneAttiva();

    // Whether scanning puts differences in the smoke and the clouds.
    virtual bool soloPartiColorate() const { return false; }
    // After loading the houses: the frame the pictures go to.
    virtual void fotogrammaCase() {}
    // The ring's highlight on part 1..8 (shown alone) and its removal.
    virtual void evidenziaParte(int parte, bool evidenziata) = 0;
    // Where the highlight of part 1..8 is shown, in the window's coordinates
    // (the bold frame is drawn around it, unless the part lights itself).
    virtual QRect riquadroParte(int parte) const = 0;
    // The house draws the highlight of a part itself, inside the part's
    // outline and as broad as the frame: no frame goes around the part.
    virtual bool partiIlluminateDaSe() const { return false; }

    bool eventFilter(QObject *oggetto, QEvent *evento) override;

private:
    void ApriFilepinnole();
    void ColoraCasa(int casa);
    void ColoraParte(int casa, int parte);
    void leggiConsegna(bool mostraPersonaggio);

    CaseUguali m_gioco;
    ShockwaveFlash *m_case[2] = {nullptr, nullptr};
    QWidget *m_pannello = nullptr;
    QString m_chiaveMouse;
    QString m_chiaveScansione;
};
