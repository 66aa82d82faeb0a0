// The "Colori pinnole" tab of the configuration window: the palette, the
// five colour slots with their words, and a house painted with them.
#include "config/FormConfigura.h"

#include "config/CasellaColorata.h"
#include "config/ControlliConfigura.h"
#include "config/LogicaConfigura.h"
#include "core/ColoriNellaLingua.h"
#include "core/ColoriVB.h"
#include "core/Lingua.h"
#include "core/Modulo1.h"
#include "core/Percorsi.h"
#include "core/TestoFile.h"
#include "platform/Messaggi.h"
#include "platform/ShockwaveFlash.h"
#include "vocabulary/ElementiCasa.h"
#include "vocabulary/ModuloColoriSuoni.h"

#include <QApplication>
#include <QButtonGroup>
#include <QFrame>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

using namespace configura;

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
    m_shockwaveFlash1->setAccessibleName(MLSGetText(QStringLiteral("0380")));
    posizionaTwips(m_shockwaveFlash1, 6120, 3360, 3495, 3495);
    m_command4 = pulsante(f, "Command4", QStringLiteral("Colori predefiniti"), 120, 6360, 4200, 540);
}

void FormConfigura::collegaPinnole()
{
    for (CasellaColorata *c : m_caselle) {
        connect(c, &QAbstractButton::clicked, this, [this, c] { CasellaColorata_Click(c->indice()); });
        connect(c, &CasellaColorata::raggiunta, this, [this](CasellaColorata *nuova) {
            // Only the cell last visited is a Tab stop, so Tab crosses the palette in one step.
            if (m_casellaInTab && m_casellaInTab != nuova)
                m_casellaInTab->setFocusPolicy(Qt::ClickFocus);
            nuova->setFocusPolicy(Qt::StrongFocus);
            m_casellaInTab = nuova;
        });
    }
    m_casellaInTab = m_caselle[0];
    m_casellaInTab->setFocusPolicy(Qt::StrongFocus);
    connect(m_command4, &QPushButton::clicked, this, &FormConfigura::Command4_Click);
}

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
    coloriNellaLinguaCorrente(Stato().imp.TabellaColori);
    Preparapinnola();
}

void FormConfigura::Preparapinnola()
{
    const TabellaColoriTipo &colori = Stato().imp.TabellaColori;
    m_shockwaveFlash1->Movie(Percorsi::programma(QStringLiteral("swf/pinnole1.svg")));
    m_shockwaveFlash1->GotoFrame(0);
    for (int slot = 1; slot <= 4; ++slot) {
        QRadioButton *o = m_option2[size_t(slot)];
        const auto &parole = colori[size_t(slot)];
        QString testo = didascaliaSlot(parole);
        o->setAccessibleName(testo);
        // Four long words do not fit beside the indicator: the masculine
        // pair over the feminine pair, so no word is cut at the window's edge.
        const int spazio = o->width() - o->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, o) - 12;
        if (o->fontMetrics().horizontalAdvance(testo) > spazio)
            testo = parole[1] + QStringLiteral(" - ") + parole[2] + QLatin1Char('\n') + parole[3] + QStringLiteral(" - ")
                    + parole[4];
        o->setText(testo);
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_shockwaveFlash1->BGColor(colori[0][0]);
    // roof 1, chimney 2, walls 2, door 3, windows 4, step 1.
    const std::pair<int, int> parti[] = {
        {2, 1}, {1, 2}, {3, 2}, {5, 3}, {4, 4}, {6, 1},
    };
    for (const auto &[parte, slot] : parti) {
        m_shockwaveFlash1->SetVariable(QStringLiteral("QualeOggetto"), ElementiCasa::idInterno(parte));
        m_shockwaveFlash1->SetVariable(QStringLiteral("TestoColore.QualeColore"), colori[size_t(slot)][0]);
    }
    QApplication::restoreOverrideCursor();
}

void FormConfigura::aggiornaSfondoColori()
{
    const QColor colore = coloreVB(Stato().imp.ColoreSfondo);
    sfondo(m_frame[SchedaColoriPinnole], colore);
    for (QRadioButton *o : m_option2) {
        sfondo(o, colore);
        QPalette p = o->palette();
        p.setColor(QPalette::WindowText, colore.lightnessF() < 0.5 ? Qt::white : Qt::black);
        o->setPalette(p);
    }
}
