// The "Giocatori" tab of the configuration window: the default player, a
// player chosen from the list (who can also be renamed or removed there), or
// a new one named in the box. The list and the box show only with their option.
#include "config/FormConfigura.h"

#include "config/ControlliConfigura.h"
#include "config/LogicaConfigura.h"
#include "core/Lingua.h"
#include "core/Modulo1.h"
#include "core/NomeUtente.h"
#include "core/Percorsi.h"
#include "menu/FineProgramma.h"
#include "platform/Messaggi.h"
#include "users/FileGiocatore.h"
#include "users/Utenti.h"

#include <QCheckBox>
#include <QDir>
#include <QPushButton>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QSignalBlocker>

using namespace configura;

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

void FormConfigura::creaUtenti(QFrame *f)
{
    const char *opzioni[3] = {"Giocatore predefinito", "Modifica giocatore", "Nuovo giocatore"};
    for (int i = 0; i < 3; ++i)
        m_optionUtente[size_t(i)] =
            crea<QRadioButton>(f, "OptionUtente", QString::fromUtf8(opzioni[i]), 360, 360 + 540 * i, 3600, 420, i);
    m_listModificaUtente = elenco(f, "ListModificaUtente", QString(), 4200, 360, 5400, 3960);
    m_commandRinominaGiocatore =
        pulsante(f, "CommandRinominaGiocatore", MLSGetText(QStringLiteral("0401")), 4200, 4440, 2640, 540);
    m_commandEliminaGiocatore =
        pulsante(f, "CommandEliminaGiocatore", MLSGetText(QStringLiteral("0402")), 6960, 4440, 2640, 540);
    m_textNuovoUtente = new QLineEdit(f);
    dainome(m_textNuovoUtente, "TextNuovoUtente");
    posizionaTwips(m_textNuovoUtente, 4200, 360, 5400, 480);
    m_labelNomeRifiutato = crea<QLabel>(f, "LabelNomeRifiutato", QString(), 4200, 960, 5400, 960);
    m_labelNomeRifiutato->setAccessibleName(MLSGetText(QStringLiteral("0379")));
    m_labelNomeRifiutato->setWordWrap(true);
    m_labelNomeRifiutato->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_labelNomeRifiutato->setTextFormat(Qt::PlainText);
    QPalette rosso = m_labelNomeRifiutato->palette();
    rosso.setColor(QPalette::WindowText, QColor(0xB0, 0x00, 0x20));
    m_labelNomeRifiutato->setPalette(rosso);
    m_checkSalvaUtente = crea<QCheckBox>(f, "CheckSalvaUtente", QStringLiteral("Tieni traccia dell'attività eseguita"),
                                         360, 5400, 6600, 420);
    // Nothing to type in or choose from until the teacher says what to do.
    for (QWidget *w : std::initializer_list<QWidget *> {m_listModificaUtente, m_commandRinominaGiocatore,
                                                        m_commandEliminaGiocatore, m_textNuovoUtente})
        w->hide();
}

void FormConfigura::mostraElencoGiocatori(bool visibile)
{
    m_listModificaUtente->setVisible(visibile);
    m_commandRinominaGiocatore->setVisible(visibile);
    m_commandEliminaGiocatore->setVisible(visibile);
}

void FormConfigura::aggiornaPulsantiGiocatore()
{
    const bool scelto = m_listModificaUtente->currentItem() != nullptr;
    m_commandRinominaGiocatore->setEnabled(scelto);
    m_commandEliminaGiocatore->setEnabled(scelto);
}

void FormConfigura::collegaUtenti()
{
    for (int i = 0; i < 3; ++i)
        connect(m_optionUtente[size_t(i)], &QRadioButton::clicked, this, [this, i] { OptionUtente_Click(i); });
    sceltaInElenco(m_listModificaUtente, this, [this](int riga) { ListModificaUtente_Click(riga); });
    connect(m_listModificaUtente, &QListWidget::currentItemChanged, this, &FormConfigura::aggiornaPulsantiGiocatore);
    connect(m_commandRinominaGiocatore, &QPushButton::clicked, this, &FormConfigura::CommandRinominaGiocatore_Click);
    connect(m_commandEliminaGiocatore, &QPushButton::clicked, this, &FormConfigura::CommandEliminaGiocatore_Click);
    connect(m_textNuovoUtente, &QLineEdit::textEdited, this, &FormConfigura::TextNuovoUtente_Change);
    connect(m_checkSalvaUtente, &QCheckBox::toggled, this, [](bool s) { Stato().imp.TracciaAttivita = s; });
}

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
        mostraElencoGiocatori(false);
        ImpostaConfigurazioni();
        break;
    case kModificaUtente:
        mostraElencoGiocatori(true);
        RiempiUtenti();
        m_textNuovoUtente->hide();
        break;
    case kNuovoUtente:
        m_utentePrimaDelNuovo = Stato().UtenteCorrente;
        m_textNuovoUtente->clear();
        m_textNuovoUtente->show();
        m_textNuovoUtente->setFocus(Qt::OtherFocusReason);
        mostraElencoGiocatori(false);
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
    aggiornaPulsantiGiocatore();
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
    // save of the settings. Only the "Nuovo utente" option makes a player.
    if (!m_optionUtente[kNuovoUtente]->isChecked())
        return;
    const QString motivo = motivoNomeRifiutato(testo, nomiUtenti());
    m_labelNomeRifiutato->setText(motivo);
    if (nomeNuovoUtenteAccettato(testo, nomiUtenti()))
        nominaUtente(testo);
    else if (!m_utentePrimaDelNuovo.isEmpty())
        nominaUtente(m_utentePrimaDelNuovo);
    aggiornaEtichettaUtente();
}

QString FormConfigura::giocatoreInElenco() const
{
    const QListWidgetItem *voce = m_listModificaUtente->currentItem();
    // The file's own name: the list shows it in capitals.
    return voce ? voce->data(Qt::UserRole).toString() : QString();
}

void FormConfigura::CommandRinominaGiocatore_Click()
{
    const QString vecchio = giocatoreInElenco();
    if (vecchio.isEmpty())
        return;
    bool annullato = false;
    const QString nuovo =
        messaggi().chiedi(MLSGetText(QStringLiteral("0403")).arg(vecchio), titoloProgramma(), &annullato).trimmed();
    if (annullato || nuovo.isEmpty() || nuovo == vecchio)
        return;
    StatoProgramma &s = Stato();
    const bool corrente = vecchio.compare(s.UtenteCorrente, Qt::CaseInsensitive) == 0;
    // Another player's name is refused, that of a new player not saved yet
    // too: its first save would write over the renamed player's settings.
    QStringList altri;
    const QStringList tutti = nomiUtenti() << s.UtenteCorrente;
    for (const QString &nome : tutti) {
        if (nome.compare(vecchio, Qt::CaseInsensitive) != 0)
            altri << nome;
    }
    QString motivo;
    if (altri.contains(nuovo, Qt::CaseInsensitive))
        motivo = MLSGetText(QStringLiteral("0404")).arg(nuovo);
    else
        motivo = motivoNomeRifiutato(nuovo, {});
    if (!motivo.isEmpty()) {
        messaggi().mostra(motivo, titoloProgramma(), IconaMessaggio::Critico);
        return;
    }
    // The current player's settings go to the file being renamed first.
    if (corrente && !salvaUtenteCorrente())
        return;
    QString ostacolo;
    switch (rinominaGiocatore(vecchio, nuovo, &ostacolo)) {
    case EsitoFileGiocatore::Fatto:
        if (corrente) {
            // The same child under a new name: the activity table stays.
            s.UtenteCorrente = nuovo;
            s.PercorsoImpostazioni = percorsoUtente(nuovo);
            aggiornaEtichettaUtente();
        }
        RiempiUtenti();
        for (int i = 0; i < m_listModificaUtente->count(); ++i) {
            if (m_listModificaUtente->item(i)->data(Qt::UserRole).toString() == nuovo)
                m_listModificaUtente->setCurrentRow(i);
        }
        break;
    case EsitoFileGiocatore::DestinazioneOccupata:
        messaggi().mostra(MLSGetText(QStringLiteral("0405")).arg(vecchio, QDir::toNativeSeparators(ostacolo)),
                          titoloProgramma(), IconaMessaggio::Critico);
        break;
    case EsitoFileGiocatore::NomeRifiutato:
    case EsitoFileGiocatore::Fallito:
        messaggi().mostra(MLSGetText(QStringLiteral("0406")).arg(vecchio), titoloProgramma(), IconaMessaggio::Critico);
        RiempiUtenti();
        break;
    }
}

void FormConfigura::CommandEliminaGiocatore_Click()
{
    const QString nome = giocatoreInElenco();
    if (nome.isEmpty())
        return;
    if (messaggi().domanda(MLSGetText(QStringLiteral("0407")).arg(nome), titoloProgramma(), PulsantiDomanda::SiNo)
        != RispostaDomanda::Si)
        return;
    const bool storiaAnche = esisteStoria(nome)
        && messaggi().domanda(MLSGetText(QStringLiteral("0408")).arg(nome), titoloProgramma(), PulsantiDomanda::SiNo)
            == RispostaDomanda::Si;
    StatoProgramma &s = Stato();
    const bool corrente = nome.compare(s.UtenteCorrente, Qt::CaseInsensitive) == 0;
    if (rimuoviGiocatore(nome, storiaAnche) != EsitoFileGiocatore::Fatto) {
        messaggi().mostra(MLSGetText(QStringLiteral("0411")).arg(nome), titoloProgramma(), IconaMessaggio::Critico);
        RiempiUtenti();
        return;
    }
    if (corrente) {
        // Nothing of the removed player is saved again: the default player
        // becomes current with its own settings.
        nominaUtente(QStringLiteral("_predefinito"));
        LeggiUtenteCorrente(s);
        aggiornaEtichettaUtente();
        ImpostaConfigurazioni();
    }
    RiempiUtenti();
    QString avviso = MLSGetText(QStringLiteral("0409")).arg(nome);
    const QString registri = cartellaRegistriUtente(nome);
    if (EsisteCartella(registri))
        avviso += QLatin1Char('\n') + MLSGetText(QStringLiteral("0410")).arg(QDir::toNativeSeparators(registri));
    messaggi().mostra(avviso, titoloProgramma(), IconaMessaggio::Informazione);
}
