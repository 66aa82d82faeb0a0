// The "Giocatori" tab of the configuration window: the default player, a
// player chosen from the list, or a new one named in the box.
#include "config/FormConfigura.h"

#include "config/ControlliConfigura.h"
#include "config/LogicaConfigura.h"
#include "core/Lingua.h"
#include "core/Modulo1.h"
#include "core/NomeUtente.h"
#include "core/Percorsi.h"
#include "menu/FineProgramma.h"
#include "users/Utenti.h"

#include <QCheckBox>
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
    m_listModificaUtente = elenco(f, "ListModificaUtente", QString(), 4200, 360, 5400, 4560);
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
}

void FormConfigura::collegaUtenti()
{
    for (int i = 0; i < 3; ++i)
        connect(m_optionUtente[size_t(i)], &QRadioButton::clicked, this, [this, i] { OptionUtente_Click(i); });
    sceltaInElenco(m_listModificaUtente, this, [this](int riga) { ListModificaUtente_Click(riga); });
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
