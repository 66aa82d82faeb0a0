// What the configuration window does when its controls are used.
#include "config/FormConfigura.h"

#include "config/CasellaColorata.h"
#include "config/LogicaConfigura.h"
#include "core/ColoriVB.h"
#include "core/Lingua.h"
#include "core/Modulo1.h"
#include "core/NomeUtente.h"
#include "core/Percorsi.h"
#include "core/TestoFile.h"
#include "framework/ControlloScansione.h"
#include "framework/Personaggio.h"
#include "framework/Pulsante.h"
#include "menu/FineProgramma.h"
#include "platform/Agente.h"
#include "platform/CommDlgs.h"
#include "platform/Messaggi.h"
#include "platform/VoceEspeak.h"
#include "users/Utenti.h"
#include "vocabulary/ModuloColoriSuoni.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTimer>

namespace {

constexpr int kUtentePredefinito = 0;
constexpr int kModificaUtente = 1;
constexpr int kNuovoUtente = 2;

bool salvaUtenteCorrente()
{
    StatoProgramma &s = Stato();
    return avvisaSalvataggio(SalvaUtenteCorrente(s), s.PercorsoImpostazioni);
}

// Names and paths the current user without reading anything. Another user
// (ignoring case) empties the activity table, so that one child's rows are
// never shown or saved under another child's name.
void nominaUtente(const QString &nome)
{
    StatoProgramma &s = Stato();
    const QString vecchio = s.UtenteCorrente;
    s.UtenteCorrente = nome;
    s.PercorsoImpostazioni = eUtentePredefinito(nome) ? percorsoUtentePredefinito() : percorsoUtente(nome);
    utenteCambiato(s, vecchio);
}

// The current user's settings are saved, then another user becomes current
// and its own settings are read. False, with nothing changed, when the
// current settings could not be saved.
bool passaAUtente(const QString &nome)
{
    if (!salvaUtenteCorrente())
        return false;
    nominaUtente(nome);
    LeggiUtenteCorrente(Stato());
    return true;
}

QStringList nomiUtenti()
{
    QStringList nomi;
    for (const VoceUtente &v : elencoUtenti(Percorsi::cartellaPinnole(), false))
        nomi << v.nome;
    return nomi;
}

} // namespace

// ---- Users ----------------------------------------------------------------

void FormConfigura::OptionUtente_Click(int indice)
{
    if (!salvaUtenteCorrente())
        return;
    m_labelNomeRifiutato->clear();
    switch (indice) {
    case kUtentePredefinito:
        // The default user's own settings are read, so that the settings of
        // the user left are never written over the default user's.
        nominaUtente(QStringLiteral("_predefinito"));
        LeggiUtenteCorrente(Stato());
        aggiornaEtichettaUtente();
        m_textNuovoUtente->hide();
        m_listModificaUtente->hide();
        ImpostaConfigurazioni();
        break;
    case kModificaUtente:
        m_listModificaUtente->show();
        RiempiUtenti();
        m_textNuovoUtente->hide();
        break;
    case kNuovoUtente:
        m_utentePrimaDelNuovo = Stato().UtenteCorrente;
        m_textNuovoUtente->clear();
        m_textNuovoUtente->show();
        m_textNuovoUtente->setFocus(Qt::OtherFocusReason);
        m_listModificaUtente->hide();
        break;
    default:
        break;
    }
}

void FormConfigura::RiempiUtenti()
{
    const QSignalBlocker blocco(m_listModificaUtente);
    m_listModificaUtente->clear();
    for (const VoceUtente &v : elencoUtenti(Percorsi::cartellaPinnole(), true)) {
        if (eUtentePredefinito(v.nome))
            continue;
        auto *voce = new QListWidgetItem(v.testo, m_listModificaUtente);
        voce->setData(Qt::UserRole, v.nome);
        if (v.nome.compare(Stato().UtenteCorrente, Qt::CaseInsensitive) == 0)
            m_listModificaUtente->setCurrentItem(voce);
    }
}

void FormConfigura::ListModificaUtente_Click(int riga)
{
    const QListWidgetItem *voce = m_listModificaUtente->item(riga);
    if (!voce)
        return;
    // The file's own name: the list shows it in capitals.
    const QString nome = voce->data(Qt::UserRole).toString();
    if (nome == Stato().UtenteCorrente)
        return; // chosen already (a double click both clicks and activates)
    if (!passaAUtente(nome))
        return;
    aggiornaEtichettaUtente();
    ImpostaConfigurazioni();
}

void FormConfigura::TextNuovoUtente_Change(const QString &testo)
{
    // A name that cannot be a new user's leaves the user who was current
    // before "Nuovo utente", and says why; so does an empty box. The new
    // user starts with the settings in memory; its file is made at the next
    // save of the settings.
    const QString motivo = motivoNomeRifiutato(testo, nomiUtenti());
    m_labelNomeRifiutato->setText(motivo);
    if (nomeNuovoUtenteAccettato(testo, nomiUtenti()))
        nominaUtente(testo);
    else if (!m_utentePrimaDelNuovo.isEmpty())
        nominaUtente(m_utentePrimaDelNuovo);
    aggiornaEtichettaUtente();
}

// ---- House colours --------------------------------------------------------

void FormConfigura::CasellaColorata_Click(int indice)
{
    const int slot = m_gruppoSlot->checkedId();
    if (slot < 0 || slot > 4 || indice < 0 || indice >= kCaselleTavolozza)
        return;
    // The words go into the settings file: only what it can store is kept.
    assegnaColoreSlot(Stato().imp.TabellaColori, slot, Stato().TavolozzaHex[size_t(indice)],
                      [](const QString &domanda, bool *annullato) {
                          return TestoFile::soloCaratteri1252(
                              messaggi().chiedi(domanda, titoloProgramma(), annullato).simplified());
                      });
    Preparapinnola();
}

void FormConfigura::Command4_Click()
{
    ColoriPredefiniti(Stato().imp.TabellaColori);
    Preparapinnola();
}

// ---- Input ----------------------------------------------------------------

void FormConfigura::Option4_Click(int indice)
{
    Stato().imp.ModoInput = qint16(indice);
    ImpostaConfigurazioni();
}

void FormConfigura::HScroll3_Change(int valore)
{
    Stato().imp.VelocitaScansione = qint16(valore);
    m_label7->setText(testoVelocitaScansione(valore));
}

// ---- Switch access --------------------------------------------------------

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

// ---- Fonts and colours ----------------------------------------------------

void FormConfigura::Stile_Click(int indice)
{
    Impostazioni &imp = Stato().imp;
    if (indice == 2) {
        // Clicking "corsivo" again keeps the font saved for the other cases.
        if (imp.StileTesto != QLatin1String("corsivo"))
            imp.FontTestoSalvato = imp.FontTesto;
        imp.StileTesto = QStringLiteral("corsivo");
        imp.FontTesto = QStringLiteral("Indis1");
    } else {
        imp.StileTesto = indice == 0 ? QStringLiteral("minuscolo") : QStringLiteral("maiuscolo");
        imp.FontTesto = imp.FontTestoSalvato;
    }
    ImpostaConfigurazioni();
}

void FormConfigura::CommandSceltaFont_Click()
{
    QLabel *esempio = m_labelFontSelezionato[0];
    const QFont prima = esempio->font();
    const EsitoDialogo esito = ScegliFont(this, esempio);
    if (esito == EsitoDialogo::Annullato)
        return;
    const QString famiglia = esempio->font().family();
    const bool memorizzabile = esito == EsitoDialogo::Confermato && TestoFile::soloCaratteri1252(famiglia) == famiglia;
    if (!memorizzabile) {
        esempio->setFont(prima);
        messaggi().mostra(MLSGetText(QStringLiteral("0053")), titoloProgramma(), IconaMessaggio::Critico);
        return;
    }
    Impostazioni &imp = Stato().imp;
    if (imp.StileTesto != QLatin1String("corsivo")) {
        imp.FontTesto = famiglia;
    } else {
        imp.FontTesto = QStringLiteral("Indis1");
        messaggi().mostra(MLSGetText(QStringLiteral("0051")) + QLatin1Char('\n') + MLSGetText(QStringLiteral("0052")),
                          titoloProgramma(), IconaMessaggio::Informazione);
    }
    imp.DimensioneFontTesto = qint16(esempio->font().pointSize());
    imp.FontTestoSalvato = famiglia;
    ImpostaConfigurazioni();
}

void FormConfigura::CommandSceltaColoreFont_Click()
{
    if (ScegliColore(this, m_labelFontSelezionato[0])) {
        Stato().imp.ColoreTesto = valoreVB(coloreTesto(m_labelFontSelezionato[0]));
        ImpostaConfigurazioni();
    }
}

void FormConfigura::CommandSceltaSfondoTesto_Click()
{
    if (ScegliColore(this, m_labelPerColore)) {
        Stato().imp.ColoreSfondoTesto = valoreVB(coloreTesto(m_labelPerColore));
        ImpostaConfigurazioni();
    }
}

void FormConfigura::CommandSceltaColoreBottoni_Click()
{
    if (ScegliColore(this, m_labelPerColore))
        Stato().imp.ColorePulsanti = valoreVB(coloreTesto(m_labelPerColore));
    dipingiPulsanti();
}

void FormConfigura::Command1_Click()
{
    if (ScegliColore(this, m_labelPerColore))
        Stato().imp.ColorePulsanteSelezionato = valoreVB(coloreTesto(m_labelPerColore));
    dipingiPulsanti();
}

void FormConfigura::CommandSceltaColori_Click()
{
    if (ScegliColore(this, m_labelPerColore)) {
        Stato().imp.ColoreSfondo = valoreVB(coloreTesto(m_labelPerColore));
        ImpostaConfigurazioni();
    }
}

void FormConfigura::OptionColoreCasualeFisso_Click(int indice)
{
    Stato().imp.ColoriVari = (indice == 0);
    ImpostaConfigurazioni();
}

// ---- Sounds and voice -----------------------------------------------------

void FormConfigura::Check2_Click()
{
    Stato().imp.VoceAttiva = m_check2->isChecked();
    ImpostaConfigurazioni();
}

void FormConfigura::ChkFumetto_Click()
{
    const bool visibile = m_chkFumetto->isChecked();
    Stato().imp.FumettoVisibile = visibile;
    ImpostaConfigurazioni(); // sets the balloon flag
    if (m_personaggio)
        LeggiTesto(*m_personaggio, MLSGetText(visibile ? QStringLiteral("0048") : QStringLiteral("0049")));
}

void FormConfigura::CheckContieneTesto_Click()
{
    const bool contiene = m_checkContieneTesto->isChecked();
    Stato().imp.FumettoContieneTesto = contiene;
    ImpostaConfigurazioni();
    if (m_personaggio)
        LeggiTesto(*m_personaggio, MLSGetText(contiene ? QStringLiteral("0046") : QStringLiteral("0047")));
}

void FormConfigura::HScroll1_Change(int valore)
{
    Impostazioni &imp = Stato().imp;
    imp.VelocitaVoce = qint16(valore);
    m_label5->setText(MLSGetText(QStringLiteral("0054")) + QString::number(valore));
    Stato().PrefissoVoce = componiPrefissoVoce(imp.VelocitaVoce, imp.TonoVoce);
}

void FormConfigura::HScroll2_Change(int valore)
{
    Impostazioni &imp = Stato().imp;
    imp.TonoVoce = qint16(valore);
    m_label2->setText(MLSGetText(QStringLiteral("0055")) + QString::number(valore));
    Stato().PrefissoVoce = componiPrefissoVoce(imp.VelocitaVoce, imp.TonoVoce);
}

void FormConfigura::CommandProvaVoce_Click()
{
    if (m_personaggio)
        LeggiTesto(*m_personaggio, m_text1->text());
}

void FormConfigura::CommandFontFumetto_Click()
{
    const QFont prima = m_label3->font();
    const EsitoDialogo esito = ScegliFont(this, m_label3);
    if (esito == EsitoDialogo::Annullato)
        return; // nothing changes
    const QString famiglia = m_label3->font().family();
    if (esito != EsitoDialogo::Confermato || TestoFile::soloCaratteri1252(famiglia) != famiglia) {
        m_label3->setFont(prima);
        messaggi().mostra(MLSGetText(QStringLiteral("0050")), titoloProgramma(), IconaMessaggio::Critico);
        return;
    }
    Impostazioni &imp = Stato().imp;
    imp.FontFumetto = famiglia;
    imp.DimensioneFontFumetto = qint16(m_label3->font().pointSize());
    if (m_personaggio)
        m_personaggio->SetBalloonFont(imp.FontFumetto, imp.DimensioneFontFumetto);
    ImpostaConfigurazioni();
}

void FormConfigura::ImpostaVoce()
{
    if (m_personaggio)
        m_personaggio->StopAll();
    const QSignalBlocker blocco1(m_list1);
    const QSignalBlocker blocco2(m_list2);
    m_list1->clear();
    m_list2->clear();
    const QString modo = Stato().imp.ModoVoceTTS;
    for (const ModoVoce &m : modiVoce()) {
        auto *voce = new QListWidgetItem(m.nome, m_list1);
        voce->setData(Qt::UserRole, m.modo());
        if (m.modo().compare(modo, Qt::CaseInsensitive) == 0)
            m_list1->setCurrentItem(voce);
    }
    m_list2->addItems(ElencoPersonaggi());
    const QList<QListWidgetItem *> scelto =
        m_list2->findItems(Stato().imp.NomePersonaggio, Qt::MatchFixedString); // ignoring case
    if (!scelto.isEmpty())
        m_list2->setCurrentItem(scelto.constFirst());
}

void FormConfigura::List1_Click(int riga)
{
    const QListWidgetItem *voce = m_list1->item(riga);
    if (!voce)
        return;
    const QString modo = voce->data(Qt::UserRole).toString();
    if (modo == Stato().imp.ModoVoceTTS && m_personaggio && m_personaggio->TTSModeID() == modo)
        return;
    QString errore;
    if (m_personaggio && !m_personaggio->SetTTSModeID(modo, &errore)) {
        // The previous voice stays, in the settings and in the character.
        m_personaggio->SetTTSModeID(Stato().imp.ModoVoceTTS);
        messaggi().mostra(errore, titoloProgramma(), IconaMessaggio::Critico);
        return;
    }
    Stato().imp.ModoVoceTTS = modo;
}

void FormConfigura::List2_Click(int riga)
{
    const QListWidgetItem *voce = m_list2->item(riga);
    if (!voce)
        return;
    const QString nome = voce->text();
    if (m_personaggio && m_personaggio->Name().compare(nome, Qt::CaseInsensitive) == 0
        && Stato().imp.NomePersonaggio.compare(nome, Qt::CaseInsensitive) == 0)
        return; // already the one shown
    if (m_personaggio) {
        m_personaggio->StopAll();
        m_personaggio.reset();
    }
    Stato().imp.NomePersonaggio = nome;
    m_personaggio = CaricaPersonaggio();
    // The new character takes the balloon and voice of the settings at once.
    ImpostaMerlino(*m_personaggio);
    if (m_schedaCorrente == SchedaSuoniEVoce)
        mostraPersonaggio();
}
