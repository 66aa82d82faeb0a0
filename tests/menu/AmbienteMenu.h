#pragma once

#include "core/Impostazioni.h"
#include "core/Lingua.h"
#include "core/Modulo1.h"
#include "core/Percorsi.h"
#include "framework/Navigazione.h"
#include "menu/FineProgramma.h"
#include "menu/FormMenu.h"
#include "menu/ModuloNavigate.h"

#include "MessaggiFinti.h"
#include "SuoniFinti.h"
#include "TestPaths.h"
#include "framework/AgenteFinto.h"

#include <QApplication>
#include <QDir>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// Records the documents handed to the desktop.
class ApritoreFinto : public ApritoreDocumenti
{
public:
    ApritoreFinto() { impostaApritoreDocumenti(this); }
    ~ApritoreFinto() override { impostaApritoreDocumenti(nullptr); }
    bool apri(const QString &percorso) override
    {
        aperti << percorso;
        return riesce;
    }
    QStringList aperti;
    bool riesce = true; // false: the desktop has no application for it
};

// What the menu windows need around them in a test: settings in a temporary
// folder, the built program folder, the default user, recording fakes for
// messages, sounds, the character and documents, and an end of the program
// that only counts.
class AmbienteMenu
{
public:
    AmbienteMenu()
    {
        qputenv("XDG_CONFIG_HOME", m_casa.filePath(QStringLiteral("config")).toUtf8());
        qputenv("XDG_DATA_HOME", m_casa.filePath(QStringLiteral("dati")).toUtf8());
        qputenv("XDG_CACHE_HOME", m_casa.filePath(QStringLiteral("cache")).toUtf8());
        Percorsi::impostaCartellaProgramma(QStringLiteral(PINNOLE_PROGRAM_DIR));
        impostaApriMenu([] { FormMenu::apri(); });
        impostaTerminaProgramma([this] { ++fini; });
    }
    ~AmbienteMenu()
    {
        impostaTerminaProgramma({});
        impostaApriMenu({});
    }

    // Before each test: a clean settings folder and the default user with
    // the default settings.
    void azzera()
    {
        chiudiFinestre();
        Percorsi::impostaCartellaProgramma(QStringLiteral(PINNOLE_PROGRAM_DIR));
        LinguaCorrente() = QStringLiteral("Italiano");
        QDir(Percorsi::cartellaPinnole()).removeRecursively();
        QDir().mkpath(Percorsi::cartellaPinnole());
        StatoProgramma &s = Stato();
        s.UtenteCorrente = QStringLiteral("_predefinito");
        s.PercorsoImpostazioni = percorsoUtentePredefinito();
        ImpostazioniPredefinite(s.imp, QStringLiteral("{it}"));
        s.accesso = OpzioniAccesso();
        s.fileAccesso = FileOpzioniAccesso();
        s.RegistroAttivita = {};
        s.IgnorateRegistro = {};
        s.NumeroRighe = 0;
        fini = 0;
        messaggi = std::make_unique<MessaggiFinti>();
        suoni = std::make_unique<SuoniFinti>();
        documenti = std::make_unique<ApritoreFinto>();
        AgenteFinto::installa();
    }

    void chiudiFinestre()
    {
        // Deleted rather than closed: closing the menu is the end of the program.
        QList<QPointer<QWidget>> finestre;
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (!w->parentWidget() && !w->objectName().isEmpty() && !w->objectName().startsWith(QLatin1String("qt_")))
                finestre << w;
        }
        for (const QPointer<QWidget> &w : finestre)
            delete w.data();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        AgenteFinto::disinstalla();
        documenti.reset();
        suoni.reset();
        messaggi.reset();
    }

    // The visible top-level window of a class, or nullptr.
    template<typename Finestra>
    static Finestra *aperta()
    {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (auto *f = qobject_cast<Finestra *>(w); f && f->isVisible())
                return f;
        }
        return nullptr;
    }

    // Opens a fresh menu with the current settings. They are written to the
    // user's file first, because the menu reads that file again when it
    // lists the users.
    FormMenu *apriMenu()
    {
        SalvaImpostazioni(Stato().PercorsoImpostazioni, Stato().imp);
        FormMenu *menu = FormMenu::apri();
        if (!QTest::qWaitFor([menu] { return menu->attivata(); }))
            qWarning("the menu did not activate");
        return menu;
    }

    int fini = 0;
    std::unique_ptr<MessaggiFinti> messaggi;
    std::unique_ptr<SuoniFinti> suoni;
    std::unique_ptr<ApritoreFinto> documenti;

private:
    QTemporaryDir m_casa;
};
