#pragma once

#include "exercises/es4/Esercizio4.h"
#include "framework/FinestraEsercizio.h"

class QLabel;
class ShockwaveFlash;
class TestoAdattato;

// "Colora la pinnola": a grey house, the sentences about its six parts in
// the box Text1 below it, the check button and the new-item button. With the
// mouse each click on a part paints it the next colour of the cycle; with
// scanning the part of the current sentence shows a highlighted outline and
// the colours cycle on it (the scanning ring is the four colours, resting on
// the new-item button once the house is done). The items come from
// Esercizio4; this window paints, shows, reads and counts.
class FormEs4 : public FinestraEsercizio
{
    Q_OBJECT

public:
    // Positions of the scanning ring: 0 before the first colour, 1..4 the
    // colours, 5 the rest on the new-item button.
    static constexpr int kRiposo = 5;

    explicit FormEs4(QWidget *parent = nullptr);

    const Esercizio4 &esercizio() const { return m_esercizio; }
    ShockwaveFlash *ShockwaveFlash1() const { return m_casa; }
    TestoAdattato *Text1() const { return m_text1; }
    QLabel *Label2() const { return m_label2; }
    // The highlight colour sent to the picture, RRGGBB.
    QString ColoreScansione() const { return m_coloreScansione; }

    // Command1_Click and the picture's click report, public so that tools
    // can drive them.
    void Command1_Click(int indice) override;
    void ShockwaveFlash1_FSCommand(const QString &comando, const QString &argomenti);
    // The character reads the sentences again.
    void PicMerlino_Click();

protected:
    void aperturaEsercizio() override;
    void generaItem() override;
    ControlloScansione::Anello anelloScansione() override;
    bool eventFilter(QObject *oggetto, QEvent *evento) override;

private:
    void ApriFilepinnole();
    void ImpostaColori();
    void PresentaFrasi();
    void PresentaFraseUnica();
    void PresentaUnaPerVolta();
    void ColoraContorno();
    void DeColoraContorno();
    void TrovaColoreScansione();
    void dipingiParte(int parte, const QString &rrggbb);
    void evidenziaPosizione(int posizione, bool acceso);
    void selezionaPosizione(int posizione);
    void casaCompleta();
    bool inScansione();

    ShockwaveFlash *m_casa = nullptr;
    TestoAdattato *m_text1 = nullptr;
    QLabel *m_label2 = nullptr;
    Esercizio4 m_esercizio;
    QString m_coloreScansione = QStringLiteral("FF0000");
};
