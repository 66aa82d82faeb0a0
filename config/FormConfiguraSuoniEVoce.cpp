// The "Suoni e voce" tab of the configuration window: speech and sounds,
// the voice's speed and pitch, the balloon, the reading voice and the
// character, who stands on this tab and says every change.
#include "config/FormConfigura.h"

#include "config/ControlliConfigura.h"
#include "core/Lingua.h"
#include "core/Modulo1.h"
#include "core/TestoFile.h"
#include "framework/Personaggio.h"
#include "menu/FineProgramma.h"
#include "platform/Agente.h"
#include "platform/CommDlgs.h"
#include "platform/Messaggi.h"
#include "platform/VoceEspeak.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>

using namespace configura;

void FormConfigura::creaSuoni(QFrame *f)
{
    m_check2 = crea<QCheckBox>(f, "Check2", QStringLiteral("Attiva parlato"), 240, 240, 3600, 420);
    m_checkSuoni = crea<QCheckBox>(f, "CheckSuoni", QStringLiteral("Attiva suoni"), 4320, 240, 3600, 420);
    m_label5 = crea<QLabel>(f, "Label5", QStringLiteral("Velocità"), 240, 780, 3840, 360);
    m_hScroll1 = barra(f, "HScroll1", QString(), 50, 250, 240, 1140, 3840, 300);
    m_label2 = crea<QLabel>(f, "Label2", QStringLiteral("Tono"), 240, 1560, 3840, 360);
    m_hScroll2 = barra(f, "HScroll2", QString(), 50, 400, 240, 1920, 3840, 300);
    m_chkFumetto = crea<QCheckBox>(f, "ChkFumetto", QStringLiteral("Fumetto visibile"), 240, 2400, 3840, 420);
    m_checkContieneTesto = crea<QCheckBox>(f, "CheckContieneTesto",
                                           QStringLiteral("Fumetto che contiene tutto il testo"), 240, 2820, 4200, 420);
    m_commandFontFumetto = pulsante(f, "CommandFontFumetto", QStringLiteral("Font fumetto"), 240, 3360, 2160, 540);
    m_label3 = crea<QLabel>(f, "Label3", QStringLiteral("Font fumetto"), 2520, 3360, 1920, 540);
    m_label3->setAccessibleName(MLSGetText(QStringLiteral("0382")));
    m_label3->setWordWrap(true);
    m_label6 = crea<QLabel>(f, "Label6", QStringLiteral("Lingua della voce"), 240, 4080, 4200, 360);
    m_list1 = elenco(f, "List1", QString(), 240, 4440, 4200, 2400);

    m_text1 = new QLineEdit(MLSGetText(QStringLiteral("0056")), f);
    dainome(m_text1, "Text1");
        posizionaTwips(m_text1, 4680, 780, 5040, 480);
    m_commandProvaVoce = pulsante(f, "CommandProvaVoce", QStringLiteral("Prova voce"), 4680, 1380, 2160, 540);
    m_labelPersonaggio = crea<QLabel>(f, "LabelPersonaggio", QStringLiteral("Personaggio"), 4680, 4080, 2400, 360);
    m_list2 = elenco(f, "List2", QString(), 4680, 4440, 2400, 2400);
    // Where the character stands while this tab is shown; never seen itself.
    m_picMerlino = new QWidget(f);
    dainome(m_picMerlino, "PicMerlino");
    posizionaTwips(m_picMerlino, 7320, 2160, 2400, 3600);
    m_picMerlino->setAttribute(Qt::WA_TransparentForMouseEvents);
}

void FormConfigura::collegaSuoni()
{
    connect(m_check2, &QCheckBox::clicked, this, &FormConfigura::Check2_Click);
    connect(m_chkFumetto, &QCheckBox::clicked, this, &FormConfigura::ChkFumetto_Click);
    connect(m_checkContieneTesto, &QCheckBox::clicked, this, &FormConfigura::CheckContieneTesto_Click);
    connect(m_checkSuoni, &QCheckBox::toggled, this, [](bool s) { Stato().imp.SuoniAttivi = s; });
    connect(m_hScroll1, &QScrollBar::valueChanged, this, &FormConfigura::HScroll1_Change);
    connect(m_hScroll2, &QScrollBar::valueChanged, this, &FormConfigura::HScroll2_Change);
    connect(m_commandProvaVoce, &QPushButton::clicked, this, &FormConfigura::CommandProvaVoce_Click);
    connect(m_commandFontFumetto, &QPushButton::clicked, this, &FormConfigura::CommandFontFumetto_Click);
    sceltaInElenco(m_list1, this, [this](int riga) { List1_Click(riga); });
    sceltaInElenco(m_list2, this, [this](int riga) { List2_Click(riga); });
}

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

void FormConfigura::mostraPersonaggio()
{
    if (m_personaggio)
        MostraPersonaggio(*m_personaggio, *m_picMerlino);
}
