// The "Accesso con sensori" tab of the configuration window: the switch
// options, and a preview of three buttons that scans with them.
#include "config/FormConfigura.h"

#include "config/ControlliConfigura.h"
#include "config/LogicaConfigura.h"
#include "core/ColoriVB.h"
#include "core/Lingua.h"
#include "core/Modulo1.h"
#include "core/OpzioniAccesso.h"
#include "framework/ControlloScansione.h"
#include "framework/Pulsante.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTimer>

using namespace configura;

void FormConfigura::creaAccesso(QFrame *f)
{
    // Left, the six options: each a caption and its control on one line, and
    // under them a sentence that says what the option does.
    struct Opzione
    {
        const char *etichetta;
        const char *didascalia;
        const char *spiegazione;
        const char *testoSpiegazione;
    };
    const Opzione opzioni[6] = {
        {"LabelAccettazione", "Tempo di accettazione", "LabelSpiegaAccettazione",
         "Una pressione conta solo se il sensore resta premuto almeno per questo tempo: i tocchi brevi e "
         "involontari non contano."},
        {"LabelAntirimbalzo", "Tempo di antirimbalzo", "LabelSpiegaAntirimbalzo",
         "Quando il sensore viene lasciato, per questo tempo le nuove pressioni non contano: serve se il "
         "bambino preme due volte."},
        {"LabelSosta", "Sosta sulla prima posizione", "LabelSpiegaSosta",
         "Nella scansione automatica l'evidenziazione resta sulla prima posizione due o tre volte più a lungo."},
        {"LabelLimiteGiri", "Giri senza pressioni", "LabelSpiegaLimiteGiri",
         "La scansione automatica si ferma dopo questi giri senza pressioni; la pressione seguente la fa solo "
         "ripartire."},
        {nullptr, nullptr, "LabelSpiegaScansioneParlata",
         "La voce dice il nome di ciò che viene evidenziato, senza mai coprire la frase dell'esercizio."},
        {"LabelSpessore", "Cornice dell'evidenziazione", "LabelSpiegaSpessore",
         "Una cornice spessa, nel colore dei pulsanti selezionati, rende l'evidenziazione più facile da vedere."},
    };
    constexpr int kPasso = 1140;
    QWidget *controlli[6] = {};
    m_spinAccettazione = numero(f, "SpinAccettazione", OpzioniAccesso::kMassimoMs, 50, 3480, 210, 2160, 420);
    m_spinAntirimbalzo =
        numero(f, "SpinAntirimbalzo", OpzioniAccesso::kMassimoMs, 50, 3480, 210 + kPasso, 2160, 420);
    for (QSpinBox *n : {m_spinAccettazione, m_spinAntirimbalzo})
        n->setSuffix(QStringLiteral(" ms"));
    m_comboSosta = scelta(f, "ComboSosta", 3480, 210 + 2 * kPasso, 2160, 420);
    m_spinLimiteGiri = numero(f, "SpinLimiteGiri", OpzioniAccesso::kMassimoGiri, 1, 3480, 210 + 3 * kPasso, 2160, 420);
    m_checkScansioneParlata =
        crea<QCheckBox>(f, "CheckScansioneParlata", QStringLiteral("Scansione parlata"), 360, 240 + 4 * kPasso, 5280, 420);
    grassetto(m_checkScansioneParlata);
    m_comboSpessore = scelta(f, "ComboSpessore", 3480, 210 + 5 * kPasso, 2160, 420);
    controlli[0] = m_spinAccettazione;
    controlli[1] = m_spinAntirimbalzo;
    controlli[2] = m_comboSosta;
    controlli[3] = m_spinLimiteGiri;
    controlli[5] = m_comboSpessore;
    for (int i = 0; i < 6; ++i) {
        const Opzione &o = opzioni[i];
        const int top = 240 + kPasso * i;
        if (o.etichetta) {
            auto *l = crea<QLabel>(f, o.etichetta, QString::fromUtf8(o.didascalia), 360, top, 3000, 420);
            grassetto(l);
            l->setBuddy(controlli[i]);
            controlli[i]->setAccessibleName(l->text());
        }
        auto *spiega = crea<QLabel>(f, o.spiegazione, QString::fromUtf8(o.testoSpiegazione), 360, top + 420, 5280, 660);
        spiega->setWordWrap(true);
        spiega->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }

    // Right, the preview: three buttons that scan with these options, started
    // and stopped by the teacher, so the rest of the window keeps the keys.
    auto *g = crea<QGroupBox>(f, "FrameAnteprima", QStringLiteral("Prova"), 5880, 240, 3840, 6600);
    auto *istruzioni = crea<QLabel>(
        g, "LabelIstruzioniAnteprima",
        QStringLiteral("Premi «Prova con il sensore» e usa il sensore del bambino. Esc, Tab o un clic altrove "
                       "fermano la prova."),
        240, 360, 3360, 1080);
    istruzioni->setWordWrap(true);
    istruzioni->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_labelModoAnteprima = crea<QLabel>(g, "LabelModoAnteprima", QStringLiteral("Modo della prova"), 240, 1500, 3360, 1080);
    m_labelModoAnteprima->setWordWrap(true);
    m_labelModoAnteprima->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_commandProvaScansione =
        pulsante(g, "CommandProvaScansione", QStringLiteral("Prova con il sensore"), 240, 2700, 3360, 540);
    m_commandProvaScansione->setCheckable(true);
    // A click on it must not take the keys from the preview it stops.
    m_commandProvaScansione->setFocusPolicy(Qt::TabFocus);

    auto *area = new QFrame(g);
    dainome(area, "AreaAnteprima");
    area->setAccessibleName(MLSGetText(QStringLiteral("0383")));
    area->setFrameShape(QFrame::StyledPanel);
    area->setAutoFillBackground(true);
    posizionaTwips(area, 240, 3420, 3360, 1560);
    m_areaAnteprima = area;
    const char *nomi[3] = {"Uno", "Due", "Tre"};
    for (int i = 0; i < 3; ++i) {
        // Room all round for the thickest highlight frame.
        auto *p = new Pulsante(area);
        dainome(p, "PulsanteAnteprima", i);
        p->setText(QString::fromUtf8(nomi[i]));
        p->setAttribute(Qt::WA_TransparentForMouseEvents);
        posizionaTwips(p, 240 + 1040 * i, 240, 800, 1080);
        m_pulsantiAnteprima[size_t(i)] = p;
    }
    m_anteprima = new ControlloScansione(area);
    // Installed after the mechanism's own, so it sees the keys first.
    m_anteprima->PictureScansioneAutomatica()->installEventFilter(this);
    m_anteprima->PictureScansioneManuale()->installEventFilter(this);

    m_labelSceltaAnteprima = crea<QLabel>(g, "LabelSceltaAnteprima", QString(), 240, 5160, 3360, 420);
    m_labelSceltaAnteprima->setAccessibleName(MLSGetText(QStringLiteral("0384")));
    grassetto(m_labelSceltaAnteprima);
    m_labelIgnorateAnteprima = crea<QLabel>(g, "LabelIgnorateAnteprima", QString(), 240, 5640, 3360, 420);
    m_labelIgnorateAnteprima->setAccessibleName(MLSGetText(QStringLiteral("0385")));
}

void FormConfigura::collegaAccesso()
{
    for (QSpinBox *n : {m_spinAccettazione, m_spinAntirimbalzo, m_spinLimiteGiri})
        connect(n, &QSpinBox::valueChanged, this, &FormConfigura::OpzioneAccesso_Change);
    for (QComboBox *c : {m_comboSosta, m_comboSpessore})
        connect(c, &QComboBox::currentIndexChanged, this, &FormConfigura::OpzioneAccesso_Change);
    connect(m_checkScansioneParlata, &QCheckBox::toggled, this, &FormConfigura::OpzioneAccesso_Change);
    connect(m_commandProvaScansione, &QPushButton::clicked, this, &FormConfigura::CommandProvaScansione_Click);
    connect(m_anteprima, &ControlloScansione::pressioneIgnorata, this, &FormConfigura::aggiornaIgnorate);
}

void FormConfigura::ImpostaAccesso()
{
    const OpzioniAccesso &a = Stato().accesso;
    imposta(m_spinAccettazione, a.accettazioneMs);
    imposta(m_spinAntirimbalzo, a.antirimbalzoMs);
    QStringList sosta;
    for (int volte = 1; volte <= OpzioniAccesso::kMassimaSosta; ++volte)
        sosta << QStringLiteral("×%1").arg(volte);
    imposta(m_comboSosta, sosta, a.sostaPrimaPosizione - 1);
    m_spinLimiteGiri->setSpecialValueText(MLSGetText(QStringLiteral("0172")));
    imposta(m_spinLimiteGiri, a.limiteGiri);
    imposta(m_checkScansioneParlata, a.scansioneParlata);
    QStringList spessori {MLSGetText(QStringLiteral("0170"))};
    for (size_t i = 1; i < kSpessoriEvidenziazione.size(); ++i)
        spessori << MLSGetText(QStringLiteral("0171")).arg(kSpessoriEvidenziazione[i]);
    imposta(m_comboSpessore, spessori, indiceSpessore(a.spessoreEvidenziazione));

    // The preview follows this user's options and the input mode chosen.
    m_anteprima->impostaOpzioni(a);
    m_labelModoAnteprima->setText(testoModoAnteprima(Stato().imp.ModoInput));
    m_labelModoAnteprima->setAccessibleName(m_labelModoAnteprima->text());
    m_commandProvaScansione->setText(
        MLSGetText(m_anteprima->attivo() ? QStringLiteral("0174") : QStringLiteral("0173")));
    m_commandProvaScansione->setAccessibleName(m_commandProvaScansione->text());
    for (size_t i = 0; i < m_pulsantiAnteprima.size(); ++i)
        segnaAnteprima(int(i), m_anteprima->attivo() && m_anteprima->Posizione() == int(i));
}

void FormConfigura::OpzioneAccesso_Change()
{
    OpzioniAccesso &a = Stato().accesso;
    a.accettazioneMs = m_spinAccettazione->value();
    a.antirimbalzoMs = m_spinAntirimbalzo->value();
    a.sostaPrimaPosizione = m_comboSosta->currentIndex() + 1;
    a.limiteGiri = m_spinLimiteGiri->value();
    a.scansioneParlata = m_checkScansioneParlata->isChecked();
    a.spessoreEvidenziazione = kSpessoriEvidenziazione.at(size_t(std::max(0, m_comboSpessore->currentIndex())));
    // The preview tries the new values at once.
    m_anteprima->impostaOpzioni(a);
}

void FormConfigura::CommandProvaScansione_Click(bool avvia)
{
    if (avvia)
        avviaAnteprima();
    else
        fermaAnteprima();
}

void FormConfigura::avviaAnteprima()
{
    m_labelSceltaAnteprima->clear();
    m_anteprima->azzeraPressioniIgnorate();
    aggiornaIgnorate();
    m_anteprima->impostaOpzioni(Stato().accesso);
    m_anteprima->impostaSfondo(m_areaAnteprima->palette().color(QPalette::Window));
    ControlloScansione::Anello anello;
    anello.posizioni = ::Anello(int(m_pulsantiAnteprima.size()));
    anello.evidenzia = [this](int p, bool acceso) { segnaAnteprima(p, acceso); };
    anello.seleziona = [this](int p) { sceltaAnteprima(p); };
    anello.nome = [this](int p) { return nomeControllo(m_pulsantiAnteprima.at(size_t(p))); };
    anello.riquadro = [this](int p) { return riquadroControllo(m_pulsantiAnteprima.at(size_t(p)), m_areaAnteprima); };
    const Impostazioni &imp = Stato().imp;
    m_anteprima->avvia(modoAnteprimaScansione(imp.ModoInput), imp.VelocitaScansione, std::move(anello));
    const QSignalBlocker blocco(m_commandProvaScansione);
    m_commandProvaScansione->setChecked(true);
    m_commandProvaScansione->setText(MLSGetText(QStringLiteral("0174")));
    m_commandProvaScansione->setAccessibleName(m_commandProvaScansione->text());
}

void FormConfigura::fermaAnteprima()
{
    if (!m_anteprima || !m_anteprima->attivo())
        return;
    m_anteprima->ferma();
    for (size_t i = 0; i < m_pulsantiAnteprima.size(); ++i)
        segnaAnteprima(int(i), false);
    const QSignalBlocker blocco(m_commandProvaScansione);
    m_commandProvaScansione->setChecked(false);
    m_commandProvaScansione->setText(MLSGetText(QStringLiteral("0173")));
    m_commandProvaScansione->setAccessibleName(m_commandProvaScansione->text());
}

void FormConfigura::segnaAnteprima(int posizione, bool acceso)
{
    Pulsante *p = m_pulsantiAnteprima.at(size_t(posizione));
    const Impostazioni &imp = Stato().imp;
    const QColor faccia = coloreVB(acceso ? imp.ColorePulsanteSelezionato : imp.ColorePulsanti);
    p->setColoreSfondo(faccia);
    p->setColoreTesto(faccia.lightnessF() < 0.5 ? Qt::white : Qt::black);
    p->setEvidenziato(acceso);
}

void FormConfigura::sceltaAnteprima(int posizione)
{
    Pulsante *p = m_pulsantiAnteprima.at(size_t(posizione));
    m_labelSceltaAnteprima->setText(MLSGetText(QStringLiteral("0179")).arg(nomeControllo(p)));
    m_labelSceltaAnteprima->setAccessibleName(m_labelSceltaAnteprima->text());
    // The chosen button goes down for a moment, as under a finger.
    p->setDown(true);
    QTimer::singleShot(250, p, [p] { p->setDown(false); });
}

void FormConfigura::aggiornaIgnorate()
{
    m_labelIgnorateAnteprima->setText(
        MLSGetText(QStringLiteral("0180")).arg(m_anteprima->pressioniIgnorate()));
    m_labelIgnorateAnteprima->setAccessibleName(m_labelIgnorateAnteprima->text());
}

bool FormConfigura::eventFilter(QObject *oggetto, QEvent *evento)
{
    const bool ricevitore = m_anteprima && (oggetto == m_anteprima->PictureScansioneAutomatica()
                                            || oggetto == m_anteprima->PictureScansioneManuale());
    if (!ricevitore || !m_anteprima->attivo())
        return QMainWindow::eventFilter(oggetto, evento);
    // While the preview runs it holds the keys; the teacher leaves it with
    // Esc or Tab, or by clicking elsewhere in the window. Another window
    // coming over it only pauses it: the keys come back with the window.
    if (evento->type() == QEvent::KeyPress) {
        const int tasto = static_cast<QKeyEvent *>(evento)->key();
        if (tasto == Qt::Key_Escape || tasto == Qt::Key_Tab || tasto == Qt::Key_Backtab) {
            fermaAnteprima();
            m_commandProvaScansione->setFocus(Qt::TabFocusReason);
            return true;
        }
    } else if (evento->type() == QEvent::FocusOut) {
        const Qt::FocusReason motivo = static_cast<QFocusEvent *>(evento)->reason();
        if (motivo != Qt::ActiveWindowFocusReason && motivo != Qt::PopupFocusReason)
            fermaAnteprima();
    }
    return QMainWindow::eventFilter(oggetto, evento);
}
