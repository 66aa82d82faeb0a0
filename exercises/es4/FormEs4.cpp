#include "exercises/es4/FormEs4.h"

#include "core/Caratteri.h"
#include "core/ColoriVB.h"
#include "core/Casuale.h"
#include "core/Lingua.h"
#include "core/Modulo1.h"
#include "core/Percorsi.h"
#include "exercises/es4/TestoAdattato.h"
#include "framework/Feedback.h"
#include "framework/Pulsante.h"
#include "layout/PosizioneTwips.h"
#include "platform/ShockwaveFlash.h"
#include "vocabulary/ElementiCasa.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>

namespace {

const QString kOggetto = QStringLiteral("QualeOggetto");
const QString kColore = QStringLiteral("TestoColore.QualeColore");
const QString kNero = QStringLiteral("000000");

FinestraEsercizio::Progetto progettoEs4()
{
    FinestraEsercizio::Progetto p;
    p.nome = QStringLiteral("FormEs4");
    p.titolo = QStringLiteral("Colora la pinnola");
    p.livelli = {Esercizio4::kLivelli, Esercizio4::kSogliaSalita};
    p.menuLivelli = QStringLiteral("Livelli");
    p.voceFigura = QStringLiteral("mnuPag");
    p.larghezzaTwips = 7215;
    p.altezzaTwips = 5775;
    p.sfondo = QColor(0xFC, 0xEF, 0xD8);
    return p;
}

} // namespace

FormEs4::FormEs4(QWidget *parent)
    : FinestraEsercizio(progettoEs4(), parent)
    , m_esercizio(fonteCasuale(), Stato().TabellaParole, Stato().imp.TabellaColori)
{
    QWidget *a = area();
    m_casa = new ShockwaveFlash(a);
    m_casa->setObjectName(QStringLiteral("ShockwaveFlash1"));
    m_casa->setAccessibleName(MLSGetText(QStringLiteral("0342")));
    posizionaTwips(m_casa, 120, 120, 4935, 4215);
    connect(m_casa, &ShockwaveFlash::FSCommand, this, &FormEs4::ShockwaveFlash1_FSCommand);

    m_text1 = new TestoAdattato(a);
    m_text1->setObjectName(QStringLiteral("Text1"));
    m_text1->setAccessibleName(MLSGetText(QStringLiteral("0343")));
    posizionaTwips(m_text1, 120, 4440, 6975, 1215);

    m_label2 = new QLabel(QStringLiteral("Clicca sulla pinnola per modificarne il colore"), a);
    m_label2->setObjectName(QStringLiteral("Label2"));
    m_label2->setWordWrap(true);
    m_label2->setAlignment(Qt::AlignCenter);
    posizionaTwips(m_label2, 5175, 120, 1920, 855);

    // The sentences live in Text1; the frame's sentence label is not used.
    Label1()->hide();
    // The character stands above the two buttons, under the caption: the
    // marker reaches from a third of the way in to the bottom right corner
    // of that space.
    posizionaTwips(PicMerlino(), 4552, 112, 2543, 2588);
    PicMerlino()->installEventFilter(this);
    aggiungiPulsante(Esercizio4::Verifica, 5242, 2760, 1785, 735, QString(), QStringLiteral("immagini/verifica.svg"))
        ->setAccessibleName(MLSGetText(QStringLiteral("0344")));
    aggiungiPulsante(Esercizio4::NuovoEsercizio, 5227, 3600, 1815, 735, QString(),
                     QStringLiteral("immagini/freccia.svg"))
        ->setAccessibleName(MLSGetText(QStringLiteral("0345")));
    Form_Load();
}

bool FormEs4::inScansione()
{
    return scansione().attivo();
}

void FormEs4::aperturaEsercizio()
{
    const Impostazioni &imp = Stato().imp;
    m_text1->clear();
    m_text1->setColori(coloreVB(imp.ColoreSfondoTesto), coloreVB(imp.ColoreTesto));
    m_text1->setFont(fontTesto(imp.FontTesto, imp.DimensioneFontTesto));
    QFont didascalia = fontTesto(imp.FontTesto, qMax(12, imp.DimensioneFontTesto / 2), QFont::Bold);
    m_label2->setFont(didascalia);
    QPalette tavolozza = m_label2->palette();
    tavolozza.setColor(QPalette::WindowText, coloreVB(imp.ColoreTesto));
    m_label2->setPalette(tavolozza);
    if (inScansione())
        TrovaColoreScansione();
    ApriFilepinnole();
    GeneraEsercizio();
}

void FormEs4::TrovaColoreScansione()
{
    m_coloreScansione = ::TrovaColoreScansione(Stato().imp.ColorePulsanteSelezionato);
}

void FormEs4::ApriFilepinnole()
{
    m_casa->Movie(Percorsi::programma(QStringLiteral("swf/pinnole1.svg")));
    const Impostazioni &imp = Stato().imp;
    m_casa->GotoFrame(inScansione() ? 0 : (imp.CursoreDiSistema ? 3 : 2));
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void FormEs4::dipingiParte(int parte, const QString &rrggbb)
{
    m_casa->SetVariable(kOggetto, ElementiCasa::idInterno(parte));
    m_casa->SetVariable(kColore, rrggbb);
}

void FormEs4::ImpostaColori()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_casa->BGColor(m_esercizio.sfondo());
    for (int parte = 1; parte <= Esercizio4::kParti; ++parte)
        dipingiParte(parte, QLatin1String(Esercizio4::kGrigio));
    m_casa->TSetProperty(QStringLiteral("fumo"), 7, m_esercizio.fumo() ? QStringLiteral("1") : QStringLiteral("0"));
    m_casa->TSetProperty(QStringLiteral("nuvole"), 7,
                         m_esercizio.nuvole() ? QStringLiteral("1") : QStringLiteral("0"));
    QApplication::restoreOverrideCursor();
}

void FormEs4::generaItem()
{
    if (inScansione()) {
        // The outline of the last sentence goes out (a level chosen in the
        // menu in the middle of an item), and the ring starts again from its
        // first position, the new-item button back in its own colour.
        DeColoraContorno();
        scansione().vaiA(0);
    }
    Command1(Esercizio4::Verifica)->setEnabled(true);
    Command1(Esercizio4::NuovoEsercizio)->setEnabled(false);
    m_esercizio.GeneraEsercizio(Livello(), Stato().imp.StileTesto);
    ImpostaColori();
    if (m_esercizio.unaAllaVolta())
        PresentaFrasi();
    else
        PresentaFraseUnica();
}

void FormEs4::PresentaFrasi()
{
    // One sentence per call: the next one comes when this one is answered.
    if (!m_esercizio.completo()) {
        const int p = m_esercizio.estraiFrase();
        m_text1->setText(m_esercizio.FrasiParti(p));
        leggi(m_text1->text());
        if (inScansione())
            ColoraContorno();
        return;
    }
    m_text1->setText(m_esercizio.riepilogo());
    casaCompleta();
}

void FormEs4::PresentaFraseUnica()
{
    QString testo;
    for (int i = 0; i < Esercizio4::kParti; ++i)
        testo += m_esercizio.FrasiParti(m_esercizio.estraiFrase()) + QStringLiteral("\r\n");
    m_text1->setText(testo);
    leggi(testo);
    if (inScansione()) {
        m_esercizio.azzeraPresentate();
        PresentaUnaPerVolta();
    }
}

void FormEs4::PresentaUnaPerVolta()
{
    if (m_esercizio.completo()) {
        // The buttons keep their enabled states; the scan rests on the
        // new-item button.
        scansione().vaiA(kRiposo);
        return;
    }
    m_esercizio.estraiFrase();
    ColoraContorno();
}

void FormEs4::casaCompleta()
{
    Command1(Esercizio4::Verifica)->setEnabled(false);
    Command1(Esercizio4::NuovoEsercizio)->setEnabled(true);
    if (inScansione())
        scansione().vaiA(kRiposo);
}

void FormEs4::ColoraContorno()
{
    // The band inside the part is as broad as the frame the user chose.
    m_casa->impostaLarghezzaAlone(scansione().opzioni().spessoreEvidenziazione);
    m_casa->SetVariable(kOggetto, ElementiCasa::idContorno(m_esercizio.FraseCorrente()));
    m_casa->SetVariable(kColore, m_coloreScansione);
}

void FormEs4::DeColoraContorno()
{
    m_casa->SetVariable(kOggetto, ElementiCasa::idContorno(m_esercizio.FraseCorrente()));
    m_casa->SetVariable(kColore, kNero);
}

void FormEs4::ShockwaveFlash1_FSCommand(const QString &comando, const QString &argomenti)
{
    Q_UNUSED(argomenti);
    if (inScansione())
        return;
    // A report that is no part number of the house changes nothing.
    bool numero = false;
    const int parte = comando.trimmed().toInt(&numero);
    if (!numero)
        return;
    const int dipinta = m_esercizio.clicSuParte(parte);
    if (dipinta > 0)
        dipingiParte(dipinta, m_esercizio.esadecimale(m_esercizio.ColoreDato(dipinta)));
}

void FormEs4::Command1_Click(int indice)
{
    if (indice == Esercizio4::NuovoEsercizio) {
        GeneraEsercizio();
        return;
    }
    if (indice != Esercizio4::Verifica)
        return;
    const Esercizio4::Giudizio v = m_esercizio.verifica();
    switch (v.esito) {
    case Esercizio4::Esito::Nessuno:
        break;
    case Esercizio4::Esito::Esatta:
        contaRispostaGiusta();
        SuonaSi();
        PresentaFrasi();
        break;
    case Esercizio4::Esito::Errata:
        SuonaNo();
        contaRispostaSbagliata();
        break;
    case Esercizio4::Esito::Completa:
    case Esercizio4::Esito::Incompleta:
        for (int i = 0; i < v.errate; ++i)
            contaRispostaSbagliata();
        if (v.esito == Esercizio4::Esito::Incompleta) {
            SuonaNo();
            break;
        }
        SuonaSi();
        for (int i = 0; i < Esercizio4::kParti; ++i)
            livelli().rispostaGiusta();
        aggiornaPannello(1);
        casaCompleta();
        break;
    }
}

ControlloScansione::Anello FormEs4::anelloScansione()
{
    // The four colours on the part of the current sentence, round and round
    // (every arrow key goes forward); the rest on the new-item button.
    ControlloScansione::Anello anello;
    anello.posizioni = ::Anello(
        kRiposo + 1, [](int p) { return p >= 1 && p <= 4; }, kRiposo);
    anello.evidenzia = [this](int p, bool acceso) { evidenziaPosizione(p, acceso); };
    anello.seleziona = [this](int p) { selezionaPosizione(p); };
    anello.soloAvanti = true;
    // Names and frames describe a position: they read the exercise, never
    // colour the part (a colour given unseen would be judged at the check).
    anello.nome = [this](int p) {
        if (p == kRiposo)
            return nomeControllo(Command1(Esercizio4::NuovoEsercizio));
        if (p == 0)
            return nomeControllo(Command1(Esercizio4::Verifica));
        return m_esercizio.parolaColore(p, m_esercizio.parteDaColorare());
    };
    anello.riquadro = [this](int p) {
        if (p == kRiposo)
            return riquadroControllo(Command1(Esercizio4::NuovoEsercizio), area());
        const int parte = m_esercizio.parteDaColorare();
        if (p == 0 || parte <= 0 || !ShockwaveFlash1())
            return riquadroControllo(Command1(Esercizio4::Verifica), area());
        const QRect r = ShockwaveFlash1()->riquadroParte(parte);
        return r.isEmpty() ? r : r.translated(ShockwaveFlash1()->mapTo(area(), QPoint(0, 0)));
    };
    // On a part, the house draws the highlight inside the part itself.
    anello.illuminaDaSe = [this](int p) {
        return p != kRiposo && p != 0 && m_esercizio.parteDaColorare() > 0 && ShockwaveFlash1();
    };
    return anello;
}

void FormEs4::evidenziaPosizione(int posizione, bool acceso)
{
    if (posizione == kRiposo) {
        evidenziaPulsante(Esercizio4::NuovoEsercizio, acceso);
        evidenziaPulsante(Esercizio4::Verifica, !acceso);
        if (acceso)
            m_esercizio.impostaColoreCorrente(Esercizio4::kSuNuovoEsercizio);
        return;
    }
    if (!acceso)
        return;
    if (posizione == 0) {
        // The opening, and every new item: the check button carries the
        // highlight while the colours are scanned.
        evidenziaPulsante(Esercizio4::NuovoEsercizio, false);
        evidenziaPulsante(Esercizio4::Verifica, true);
        m_esercizio.impostaColoreCorrente(0);
        return;
    }
    m_esercizio.impostaColoreCorrente(posizione);
    const int parte = m_esercizio.ColoraFrase();
    if (parte > 0)
        dipingiParte(parte, m_esercizio.esadecimale(posizione));
}

void FormEs4::selezionaPosizione(int posizione)
{
    if (posizione == kRiposo) {
        scansione().vaiA(0);
        GeneraEsercizio();
        return;
    }
    switch (m_esercizio.verificaFraseCorrente().esito) {
    case Esercizio4::Esito::Esatta:
        contaRispostaGiusta();
        SuonaSi();
        DeColoraContorno();
        if (m_esercizio.unaAllaVolta())
            PresentaFrasi();
        else
            PresentaUnaPerVolta();
        break;
    case Esercizio4::Esito::Errata:
        SuonaNo();
        contaRispostaSbagliata();
        break;
    default:
        break;
    }
}

void FormEs4::PicMerlino_Click()
{
    leggi(m_text1->text());
}

bool FormEs4::eventFilter(QObject *oggetto, QEvent *evento)
{
    if (oggetto == PicMerlino() && evento->type() == QEvent::MouseButtonRelease)
        PicMerlino_Click();
    return FinestraEsercizio::eventFilter(oggetto, evento);
}
