#pragma once

#include "TestiItaliani.h"
#include "core/Casuale.h"
#include "core/Impostazioni.h"
#include "core/Lingua.h"
#include "core/Modulo1.h"
#include "core/Percorsi.h"
#include "exercises/caratteristiche/CorniceEvidenziazione.h"
#include "exercises/caratteristiche/FinestraCaratteristiche.h"
#include "framework/Pulsante.h"
#include "platform/ShockwaveFlash.h"
#include "vocabulary/Parole.h"

#include "SuoniFinti.h"
#include "TestPaths.h"
#include "framework/AgenteFinto.h"

#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

// What the windows of "Trova gli intrusi" and "Indovina chi?" need in a
// test: settings in a temporary folder, the built program folder with the
// Italian language, recording fakes for the character and the sounds, and
// the pause after loading the houses replaced by a step the test controls.
template <typename Finestra>
class AmbienteCaratteristiche
{
public:
    AmbienteCaratteristiche()
    {
        qputenv("XDG_CONFIG_HOME", m_casa.path().toUtf8());
        preparaTestiItaliani();
    }

    void init()
    {
        ImpostazioniPredefinite(Stato().imp, QStringLiteral("{it}"));
        Stato().imp.SuoniAttivi = true;
        Stato().NumeroRighe = 1;
        Stato().RegistroAttivita = {};
        AgenteFinto::installa();
        suoni = std::make_unique<SuoniFinti>();
        pause = 0;
        durantePausa = {};
    }

    void cleanup()
    {
        finestra.reset();
        suoni.reset();
        AgenteFinto::disinstalla();
        impostaFonteCasuale(nullptr);
    }

    // Opens the window in an input mode and waits for its first item.
    Finestra &apri(int modo, int velocita = 4)
    {
        Stato().imp.ModoInput = static_cast<qint16>(modo);
        Stato().imp.VelocitaScansione = static_cast<qint16>(velocita);
        finestra = std::make_unique<Finestra>();
        finestra->impostaAttesa([this](double) {
            ++pause;
            if (durantePausa)
                durantePausa();
        });
        finestra->show();
        if (!QTest::qWaitFor([this] { return !finestra->Text1()->text().isEmpty() && !finestra->inCostruzione(); }))
            qWarning("the window built no item");
        return *finestra;
    }

    QWidget *ricevitore(const char *nome) const { return finestra->template findChild<QWidget *>(QLatin1String(nome)); }
    void rilascia(Qt::Key tasto) { QTest::keyRelease(ricevitore("PictureScansioneManuale"), tasto); }
    void premiERilasciaSpazio()
    {
        QWidget *r = ricevitore("PictureScansioneAutomatica");
        QTest::keyPress(r, Qt::Key_Space);
        QTest::keyRelease(r, Qt::Key_Space);
    }

    // A click in the middle of house i, as a child gives it.
    void clicCasa(int i)
    {
        ShockwaveFlash *casa = finestra->ShockwaveFlash1(i);
        QTest::mouseClick(casa, Qt::LeftButton, Qt::NoModifier, casa->rect().center());
    }

    QList<int> caseMostrate() const
    {
        QList<int> mostrate;
        for (int i = 0; i < EsercizioCaratteristiche::kMassimoCase; ++i) {
            if (!finestra->ShockwaveFlash1(i)->isHidden())
                mostrate << i;
        }
        return mostrate;
    }

    bool pulsanteEvidenziato() const
    {
        return finestra->Command1(0)->coloreSfondo() == finestra->colorePulsanteSelezionato();
    }

    AgenteFinto *agente() const { return AgenteFinto::creati().last(); }

    QTemporaryDir m_casa;
    std::unique_ptr<Finestra> finestra;
    std::unique_ptr<SuoniFinti> suoni;
    int pause = 0;
    std::function<void()> durantePausa;
};
