#pragma once

#include "platform/Agente.h"

#include <QSet>
#include <QStringList>

#include <memory>

// A speaking character for tests: nothing is shown or heard; every request is
// written to `registro` ("Load:Merlin", "Show", "Hide", "Speak:<text>",
// "StopAll", "MoveTo:x,y", "SetSize:w,h") and the properties keep what they
// are given. Install it with installa(); the characters the windows create
// are collected in `creati` (the last one is the window's current one).
// No Q_OBJECT of its own, so a test needs no extra moc step to use it.
class AgenteFinto : public Agente
{
public:
    // Names (in lower case) that Load accepts; empty: any name.
    static QSet<QString> &caricabili()
    {
        static QSet<QString> nomi;
        return nomi;
    }
    static QList<AgenteFinto *> &creati()
    {
        static QList<AgenteFinto *> elenco;
        return elenco;
    }
    // Every character the windows create from now on is a fake.
    static void installa()
    {
        creati().clear();
        caricabili().clear();
        impostaFabbricaAgenti([] {
            auto agente = std::make_unique<AgenteFinto>();
            creati().append(agente.get());
            return std::unique_ptr<Agente>(std::move(agente));
        });
    }
    static void disinstalla()
    {
        impostaFabbricaAgenti({});
        creati().clear();
    }

    ~AgenteFinto() override { creati().removeAll(this); }

    QStringList registro;
    // The texts spoken so far, tags included.
    QStringList detti() const
    {
        QStringList testi;
        for (const QString &voce : registro)
            if (voce.startsWith(QLatin1String("Speak:")))
                testi.append(voce.mid(6));
        return testi;
    }

    bool Load(const QString &nome) override
    {
        registro.append(QStringLiteral("Load:") + nome);
        if (!caricabili().isEmpty() && !caricabili().contains(nome.toLower()))
            return false;
        m_nome = nome;
        return true;
    }
    QString Name() const override { return m_nome; }
    void Show() override
    {
        registro.append(QStringLiteral("Show"));
        m_visibile = true;
    }
    void Hide() override
    {
        registro.append(QStringLiteral("Hide"));
        m_visibile = false;
    }
    void Speak(const QString &testo) override { registro.append(QStringLiteral("Speak:") + testo); }
    // What the real character reports when a text has been said to its end.
    void finisciDiParlare() { emit FineParlato(); }
    void StopAll() override { registro.append(QStringLiteral("StopAll")); }
    bool Visible() const override { return m_visibile; }
    bool Speaking() const override { return false; }
    int Left() const override { return m_left; }
    int Top() const override { return m_top; }
    int Width() const override { return m_width; }
    int Height() const override { return m_height; }
    void MoveTo(int left, int top) override
    {
        registro.append(QStringLiteral("MoveTo:%1,%2").arg(left).arg(top));
        m_left = left;
        m_top = top;
    }
    void SetSize(int width, int height) override
    {
        registro.append(QStringLiteral("SetSize:%1,%2").arg(width).arg(height));
        m_width = width;
        m_height = height;
    }
    int OriginalWidth() const override { return 150; }
    int OriginalHeight() const override { return 200; }
    int LanguageID() const override { return m_lingua; }
    void SetLanguageID(int identificativo) override { m_lingua = identificativo; }
    QString TTSModeID() const override { return m_modo; }
    bool SetTTSModeID(const QString &modo, QString *) override
    {
        m_modo = modo;
        return true;
    }
    int BalloonStyle() const override { return m_stile; }
    void SetBalloonStyle(int stile) override { m_stile = stile; }
    QString BalloonFontName() const override { return m_carattere; }
    int BalloonFontSize() const override { return m_punti; }
    void SetBalloonFont(const QString &nome, int punti) override
    {
        m_carattere = nome;
        m_punti = punti;
    }

private:
    QString m_nome;
    bool m_visibile = false;
    int m_left = 0, m_top = 0, m_width = 150, m_height = 200;
    int m_lingua = 0;
    QString m_modo;
    int m_stile = kStileIniziale;
    QString m_carattere = QStringLiteral("Arial");
    int m_punti = 14;
};
