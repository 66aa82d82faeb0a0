#include "exercises/uguali/FormEs3.h"

#include "core/ColoriVB.h"
#include "core/Modulo1.h"
#include "framework/Pulsante.h"
#include "layout/PosizioneTwips.h"
#include "platform/ShockwaveFlash.h"
#include "vocabulary/ElementiCasa.h"

namespace {

constexpr int kLarghezza = 10230;
constexpr int kAltezza = 7470;

FinestraEsercizio::Progetto progettoEs3()
{
    FinestraEsercizio::Progetto p;
    p.nome = QStringLiteral("FormEs3");
    p.titolo = QStringLiteral("Uguali - 2°");
    p.livelli = {CaseUguali::kLivelli, 12};
    p.menuLivelli = QStringLiteral("Livelli");
    p.voceFigura = QStringLiteral("mnuPag");
    p.larghezzaTwips = kLarghezza;
    p.altezzaTwips = kAltezza;
    p.sfondo = QColor(0xE8, 0xE4, 0xF8);
    return p;
}

} // namespace

FormEs3::FormEs3(QWidget *parent)
    : FinestraUguali(progettoEs3(), QStringLiteral("0101"), QStringLiteral("0102"), parent)
{
    creaControlli(QRect(120, 120, 4935, 6495), QRect(5175, 120, 4935, 6495), nullptr,
                  QRect(kLarghezza - 120 - 2775, 6735, 2775, 615), QRect(120, 6735, 975, 615),
                  QStringLiteral("Picture1"), QRect(3187, 1500, 3855, 3375));
    posizionaTwips(PicMerlino(), 4447, 240, 1335, 1815);
    for (int casa = 0; casa < 2; ++casa) {
        ShockwaveFlash *picture = casa == 0 ? ShockwaveFlash1() : ShockwaveFlash2();
        connect(picture, &ShockwaveFlash::FSCommand, this,
                [this, casa](const QString &comando, const QString &) { ShockwaveFlash_FSCommand(casa, comando); });
    }
    Form_Load();
}

void FormEs3::aperturaEsercizio()
{
    const Impostazioni &imp = Stato().imp;
    if (imp.ModoInput != IngressoMouse)
        m_coloreScansione = TrovaColoreScansione(imp.ColorePulsanteSelezionato);
    FinestraUguali::aperturaEsercizio();
}

// Frame 0 reports no clicks (scanning); frames 2 and 3 report the part
// clicked, with the program's own pointer or the system's.
void FormEs3::fotogrammaCase()
{
    const Impostazioni &imp = Stato().imp;
    const int fotogramma = imp.ModoInput != IngressoMouse ? 0 : (imp.CursoreDiSistema ? 3 : 2);
    ShockwaveFlash1()->GotoFrame(fotogramma);
    ShockwaveFlash2()->GotoFrame(fotogramma);
}

void FormEs3::ShockwaveFlash_FSCommand(int casa, const QString &comando)
{
    if (scansioneAttiva() || Command1(0)->isEnabled())
        return;
    bool numero = false;
    const int parte = comando.trimmed().toInt(&numero);
    // A value outside 1..8 is ignored by the choice itself.
    if (numero)
        scegliParte(parte, casa);
}

// All eight outlines of the second house go back to black in part order,
// then the highlighted part's takes the highlight colour.
void FormEs3::ColoraSelezionato(int parte)
{
    ShockwaveFlash *casa = ShockwaveFlash2();
    // The band inside the part is as broad as the frame the user chose.
    casa->impostaLarghezzaAlone(scansione().opzioni().spessoreEvidenziazione);
    for (int p = ElementiCasa::kPrimaParte; p <= ElementiCasa::kUltimaParte; ++p) {
        casa->SetVariable(QStringLiteral("QualeOggetto"), ElementiCasa::idContorno(p));
        casa->SetVariable(QStringLiteral("TestoColore.QualeColore"), QStringLiteral("000000"));
    }
    if (parte >= ElementiCasa::kPrimaParte && parte <= ElementiCasa::kUltimaParte) {
        casa->SetVariable(QStringLiteral("QualeOggetto"), ElementiCasa::idContorno(parte));
        casa->SetVariable(QStringLiteral("TestoColore.QualeColore"), m_coloreScansione);
    }
}

// Leaving a part changes nothing: the outline of the part last chosen stays
// while the scan rests on the next-item button, until the next item.
QRect FormEs3::riquadroParte(int parte) const
{
    ShockwaveFlash *casa = ShockwaveFlash2();
    if (!casa || !casa->isVisible())
        return {};
    const QRect r = casa->riquadroParte(parte);
    return r.isEmpty() ? r : r.translated(casa->mapTo(area(), QPoint(0, 0)));
}

void FormEs3::evidenziaParte(int parte, bool evidenziata)
{
    if (evidenziata)
        ColoraSelezionato(parte);
}
