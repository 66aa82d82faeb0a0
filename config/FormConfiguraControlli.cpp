// The controls of the configuration window, at their design positions in
// twips, frame by frame.
#include "config/FormConfigura.h"

#include "config/CasellaColorata.h"
#include "config/LogicaConfigura.h"
#include "core/OpzioniAccesso.h"
#include "framework/ControlloScansione.h"
#include "framework/Pulsante.h"
#include "layout/PosizioneTwips.h"
#include "menu/TastiPulsante.h"
#include "platform/ShockwaveFlash.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>

namespace {

void dainome(QWidget *w, const char *nome, int indice = -1)
{
    w->setObjectName(QLatin1String(nome));
    if (indice >= 0)
        w->setProperty("index", indice);
}

template<typename T>
T *crea(QWidget *parent, const char *nome, const QString &testo, int left, int top, int width, int height,
        int indice = -1)
{
    auto *w = new T(testo, parent);
    dainome(w, nome, indice);
    w->setAccessibleName(testo.simplified());
    posizionaTwips(w, left, top, width, height);
    return w;
}

QPushButton *pulsante(QWidget *parent, const char *nome, const QString &testo, int left, int top, int width,
                      int height)
{
    auto *p = crea<QPushButton>(parent, nome, testo, left, top, width, height);
    // Enter chooses a button as Space does, on the release; the teacher's
    // keys are not held to the child's acceptance and debounce times.
    attivaConTasti(p, ChiPreme::Insegnante);
    p->setCursor(Qt::PointingHandCursor);
    return p;
}

QScrollBar *barra(QWidget *parent, const char *nome, const QString &nomeAccessibile, int minimo, int massimo,
                  int left, int top, int width, int height)
{
    auto *b = new QScrollBar(Qt::Horizontal, parent);
    dainome(b, nome);
    b->setAccessibleName(nomeAccessibile);
    b->setRange(minimo, massimo);
    b->setPageStep(qMax(1, (massimo - minimo) / 10));
    b->setFocusPolicy(Qt::StrongFocus);
    posizionaTwips(b, left, top, width, height);
    return b;
}

QListWidget *elenco(QWidget *parent, const char *nome, const QString &nomeAccessibile, int left, int top, int width,
                    int height)
{
    auto *l = new QListWidget(parent);
    dainome(l, nome);
    l->setAccessibleName(nomeAccessibile);
    posizionaTwips(l, left, top, width, height);
    return l;
}

QSpinBox *numero(QWidget *parent, const char *nome, int massimo, int passo, int left, int top, int width, int height)
{
    auto *n = new QSpinBox(parent);
    dainome(n, nome);
    n->setRange(0, massimo);
    n->setSingleStep(passo);
    n->setAccelerated(true);
    n->setFocusPolicy(Qt::StrongFocus);
    posizionaTwips(n, left, top, width, height);
    return n;
}

QComboBox *scelta(QWidget *parent, const char *nome, int left, int top, int width, int height)
{
    auto *c = new QComboBox(parent);
    dainome(c, nome);
    c->setFocusPolicy(Qt::StrongFocus);
    posizionaTwips(c, left, top, width, height);
    return c;
}

void grassetto(QWidget *w)
{
    QFont f = w->font();
    f.setBold(true);
    w->setFont(f);
}

} // namespace

QFrame *FormConfigura::creaFrame(const char *nome, const QString &nomeAccessibile)
{
    auto *frame = new QFrame(m_area);
    dainome(frame, nome);
    frame->setAccessibleName(nomeAccessibile);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setAutoFillBackground(true);
    posizionaTwips(frame, 120, 540, 9960, 7080);
    return frame;
}

void FormConfigura::creaUtenti(QFrame *f)
{
    const char *opzioni[3] = {"Utente predefinito", "Modifica utente", "Nuovo utente"};
    for (int i = 0; i < 3; ++i)
        m_optionUtente[size_t(i)] =
            crea<QRadioButton>(f, "OptionUtente", QString::fromUtf8(opzioni[i]), 360, 360 + 540 * i, 3600, 420, i);
    m_listModificaUtente = elenco(f, "ListModificaUtente", QStringLiteral("Giocatori"), 4200, 360, 5400, 4560);
    m_textNuovoUtente = new QLineEdit(f);
    dainome(m_textNuovoUtente, "TextNuovoUtente");
    m_textNuovoUtente->setAccessibleName(QStringLiteral("Nome del nuovo giocatore"));
    posizionaTwips(m_textNuovoUtente, 4200, 360, 5400, 480);
    m_labelNomeRifiutato = crea<QLabel>(f, "LabelNomeRifiutato", QString(), 4200, 960, 5400, 960);
    m_labelNomeRifiutato->setAccessibleName(QStringLiteral("Perché il nome non va bene"));
    m_labelNomeRifiutato->setWordWrap(true);
    m_labelNomeRifiutato->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_labelNomeRifiutato->setTextFormat(Qt::PlainText);
    QPalette rosso = m_labelNomeRifiutato->palette();
    rosso.setColor(QPalette::WindowText, QColor(0xB0, 0x00, 0x20));
    m_labelNomeRifiutato->setPalette(rosso);
    m_checkSalvaUtente = crea<QCheckBox>(f, "CheckSalvaUtente", QStringLiteral("Tieni traccia dell'attività eseguita"),
                                         360, 5400, 6600, 420);
}

void FormConfigura::creaPinnole(QFrame *f)
{
    // The palette: squares of 375 twips on a grid stepping 360 twips, so
    // neighbours overlap by a hair and the grid reads as one block.
    const auto &posizioni = posizioniCaselle();
    for (int i = 0; i < kCaselleTavolozza; ++i) {
        auto *c = new CasellaColorata(i, f);
        posizionaTwips(c, 120 + 360 * posizioni[size_t(i)].x(), 360 + 360 * posizioni[size_t(i)].y(), 375, 375);
        c->setVicine([this](int indice) { return m_caselle.at(size_t(indice)); });
        m_caselle[size_t(i)] = c;
    }
    const char *slot[5] = {"Sfondo", "Colore 2", "Colore 3", "Colore 4", "Colore 5"};
    m_gruppoSlot = new QButtonGroup(this);
    for (int i = 0; i < 5; ++i) {
        auto *o = crea<QRadioButton>(f, "Option2", QString::fromUtf8(slot[i]), 6240, 360 + 600 * i, 3600, 480, i);
        o->setAutoFillBackground(true);
        m_gruppoSlot->addButton(o, i);
        m_option2[size_t(i)] = o;
    }
    m_shockwaveFlash1 = new ShockwaveFlash(f);
    dainome(m_shockwaveFlash1, "ShockwaveFlash1");
    m_shockwaveFlash1->setAccessibleName(QStringLiteral("Anteprima della pinnola"));
    posizionaTwips(m_shockwaveFlash1, 6120, 3360, 3495, 3495);
    m_command4 = pulsante(f, "Command4", QStringLiteral("Configurazione predefinita"), 120, 6360, 4200, 540);
}

void FormConfigura::creaScelteDidattiche(QFrame *f)
{
    m_check1 = crea<QCheckBox>(f, "Check1", QStringLiteral("Attiva passaggio livelli"), 360, 360, 6600, 420);
}

void FormConfigura::creaFont(QFrame *f)
{
    m_frameScelte = crea<QGroupBox>(f, "FrameScelte", QStringLiteral("Tipo di carattere"), 240, 240, 3000, 1800);
    const char *stili[3] = {"minuscolo", "maiuscolo", "corsivo"};
    const char *didascalie[3] = {"minuscolo", "MAIUSCOLO", "corsivo"};
    for (int i = 0; i < 3; ++i)
        m_stile[size_t(i)] = crea<QRadioButton>(m_frameScelte, stili[i], QString::fromUtf8(didascalie[i]), 240,
                                                420 + 420 * i, 2520, 360);

    m_frame6 = crea<QGroupBox>(f, "Frame6", QStringLiteral("Colore sfondo"), 240, 2280, 3000, 1920);
    const char *sfondi[2] = {"Colori vari", "Colore fisso"};
    for (int i = 0; i < 2; ++i)
        m_optionColoreCasualeFisso[size_t(i)] = crea<QRadioButton>(
            m_frame6, "OptionColoreCasualeFisso", QString::fromUtf8(sfondi[i]), 240, 420 + 420 * i, 2520, 360, i);
    m_commandSceltaColori = pulsante(m_frame6, "CommandSceltaColori", QStringLiteral("Colori"), 240, 1260, 2520, 480);

    m_commandSceltaFont = pulsante(f, "CommandSceltaFont", QStringLiteral("Font"), 3480, 360, 3000, 540);
    m_commandSceltaColoreFont =
        pulsante(f, "CommandSceltaColoreFont", QStringLiteral("Colore font"), 6720, 360, 3000, 540);
    m_commandSceltaSfondoTesto =
        pulsante(f, "CommandSceltaSfondoTesto", QStringLiteral("Sfondo testo"), 3480, 1080, 3000, 540);
    m_commandSceltaColoreBottoni =
        pulsante(f, "CommandSceltaColoreBottoni", QStringLiteral("Pulsanti"), 6720, 1080, 3000, 540);
    m_command1 = pulsante(f, "Command1", QStringLiteral("Pulsanti selezionati"), 3480, 1800, 3000, 540);

    for (int i = 0; i < 2; ++i) {
        auto *l = crea<QLabel>(f, "LabelFontSelezionato", QStringLiteral("Esempio di font e colore del testo"), 3480,
                               2640 + 2160 * i, 6240, 1920, i);
        l->setAccessibleName(QStringLiteral("Esempio di font e colore del testo"));
        l->setWordWrap(true);
        l->setAlignment(Qt::AlignCenter);
        l->setAutoFillBackground(true);
        l->setFrameShape(QFrame::Box);
        m_labelFontSelezionato[size_t(i)] = l;
    }
    // Receives the colour chosen for a background or a button; never seen.
    m_labelPerColore = new QLabel(f);
    dainome(m_labelPerColore, "LabelPerColore");
    m_labelPerColore->hide();
}

void FormConfigura::creaSuoni(QFrame *f)
{
    m_check2 = crea<QCheckBox>(f, "Check2", QStringLiteral("Attiva parlato"), 240, 240, 3600, 420);
    m_checkSuoni = crea<QCheckBox>(f, "CheckSuoni", QStringLiteral("Attiva suoni"), 4320, 240, 3600, 420);
    m_label5 = crea<QLabel>(f, "Label5", QStringLiteral("Velocità"), 240, 780, 3840, 360);
    m_hScroll1 = barra(f, "HScroll1", QStringLiteral("Velocità della voce"), 50, 250, 240, 1140, 3840, 300);
    m_label2 = crea<QLabel>(f, "Label2", QStringLiteral("Tono"), 240, 1560, 3840, 360);
    m_hScroll2 = barra(f, "HScroll2", QStringLiteral("Tono della voce"), 50, 400, 240, 1920, 3840, 300);
    m_chkFumetto = crea<QCheckBox>(f, "ChkFumetto", QStringLiteral("Fumetto visibile"), 240, 2400, 3840, 420);
    m_checkContieneTesto = crea<QCheckBox>(f, "CheckContieneTesto",
                                           QStringLiteral("Fumetto che contiene tutto il testo"), 240, 2820, 4200, 420);
    m_commandFontFumetto = pulsante(f, "CommandFontFumetto", QStringLiteral("Font fumetto"), 240, 3360, 2160, 540);
    m_label3 = crea<QLabel>(f, "Label3", QStringLiteral("Font fumetto"), 2520, 3360, 1920, 540);
    m_label3->setAccessibleName(QStringLiteral("Font del fumetto"));
    m_label3->setWordWrap(true);
    m_label6 = crea<QLabel>(f, "Label6", QStringLiteral("modifica linguaggio di lettura"), 240, 4080, 4200, 360);
    m_list1 = elenco(f, "List1", QStringLiteral("Voce che legge"), 240, 4440, 4200, 2400);

    m_text1 = new QLineEdit(QStringLiteral("Questa è la mia voce"), f);
    dainome(m_text1, "Text1");
    m_text1->setAccessibleName(QStringLiteral("Frase di prova della voce"));
    posizionaTwips(m_text1, 4680, 780, 5040, 480);
    m_commandProvaVoce = pulsante(f, "CommandProvaVoce", QStringLiteral("Prova voce"), 4680, 1380, 2160, 540);
    m_labelPersonaggio = crea<QLabel>(f, "LabelPersonaggio", QStringLiteral("Personaggio"), 4680, 4080, 2400, 360);
    m_list2 = elenco(f, "List2", QStringLiteral("Personaggio"), 4680, 4440, 2400, 2400);
    // Where the character stands while this tab is shown; never seen itself.
    m_picMerlino = new QWidget(f);
    dainome(m_picMerlino, "PicMerlino");
    posizionaTwips(m_picMerlino, 7320, 2160, 2400, 3600);
    m_picMerlino->setAttribute(Qt::WA_TransparentForMouseEvents);
}

void FormConfigura::creaInput(QFrame *f)
{
    const char *modi[4] = {"Mouse", "Scansione manuale - spazio e invio ", "Scansione automatica - spazio",
                           "Tastiera - frecce e invio"};
    for (int i = 0; i < 4; ++i)
        m_option4[size_t(i)] = crea<QRadioButton>(f, "Option4", QString::fromUtf8(modi[i]), 360, 360 + 480 * i, 6600,
                                                  420, i);
    m_label7 = crea<QLabel>(f, "Label7", QString(), 360, 2400, 6600, 420);
    m_label7->setAccessibleName(QStringLiteral("Velocità della scansione"));
    m_hScroll3 = barra(f, "HScroll3", QStringLiteral("Velocità della scansione"), 4, 60, 360, 2880, 6600, 360);
    m_hScroll3->setPageStep(4);
    m_label1 = crea<QLabel>(f, "Label1",
                            QStringLiteral("La scansione utilizza il colore scelto per i 'pulsanti selezionati'."),
                            360, 3600, 9240, 720);
    m_label1->setWordWrap(true);
    m_checkDisabilitaMouse = crea<QCheckBox>(f, "CheckDisabilitaMousePersonalizzato",
                                             QStringLiteral("Usa cursore di sistema"), 360, 4560, 6600, 420);
}

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
    area->setAccessibleName(QStringLiteral("Anteprima della scansione"));
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
    m_labelSceltaAnteprima->setAccessibleName(QStringLiteral("Ultima scelta della prova"));
    grassetto(m_labelSceltaAnteprima);
    m_labelIgnorateAnteprima = crea<QLabel>(g, "LabelIgnorateAnteprima", QString(), 240, 5640, 3360, 420);
    m_labelIgnorateAnteprima->setAccessibleName(QStringLiteral("Pressioni ignorate nella prova"));
}
