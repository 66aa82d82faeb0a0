#pragma once

#include "platform/Agente.h"
#include "platform/Voce.h"

#include <QPointer>
#include <QRect>
#include <QTimer>

#include <deque>
#include <memory>

class FinestraPersonaggio;
#include "platform/AgenteFumetto.h"

// The real speaking character: the character's drawing, its mouth following
// the loudness of the speech, and a speech balloon. Once it knows its window
// both are drawn inside that window, above the controls; until then they are
// frameless see-through windows of their own. Neither takes the keyboard
// focus or the mouse, so the exercise under them keeps both.
class AgenteQt : public Agente
{
    Q_OBJECT
public:
    AgenteQt();
    ~AgenteQt() override;

    bool Load(const QString &nome) override;
    QString Name() const override { return m_nome; }
    void Show() override;
    void Hide() override;
    void Speak(const QString &testo) override;
    void StopAll() override;
    bool Visible() const override { return m_visibile; }
    bool Speaking() const override { return m_voce.staParlando(); }
    int Left() const override { return m_geometria.x(); }
    int Top() const override { return m_geometria.y(); }
    int Width() const override { return m_geometria.width(); }
    int Height() const override { return m_geometria.height(); }
    void MoveTo(int left, int top) override;
    void SetSize(int width, int height) override;
    int OriginalWidth() const override;
    int OriginalHeight() const override;
    int LanguageID() const override { return m_lingua; }
    void SetLanguageID(int identificativo) override { m_lingua = identificativo; }
    QString TTSModeID() const override { return m_modo; }
    bool SetTTSModeID(const QString &modo, QString *errore = nullptr) override;
    int BalloonStyle() const override { return m_stile; }
    void SetBalloonStyle(int stile) override;
    QString BalloonFontName() const override { return m_nomeCarattere; }
    int BalloonFontSize() const override { return m_puntiCarattere; }
    void SetBalloonFont(const QString &nome, int punti) override;
    void impostaFinestra(QWidget *finestra, const QRect &zonaFumetto, qreal scala) override;

    // The windows the character shows itself in, and its voice.
    QWidget *finestraPersonaggio() const;
    FumettoPersonaggio *finestraFumetto() const { return m_fumetto.data(); }
    const Voce &voce() const { return m_voce; }
    // The engine voice a text is said with now ("roa/it").
    QString voceMotore() const;

private:
    enum class Richiesta { Mostra, Nascondi, Parla };
    struct Passo
    {
        Richiesta tipo;
        QString testo;
    };

    void servi();
    void inizia(const QString &testo);
    void fineTesto();
    void aggiornaFumetto();
    void applicaGeometria();
    void battiCiglia();
    void applicaCarattere();
    void ricollocaFumetto();

    // Owned here, also while they are children of the window: the window
    // lives longer than its character.
    QPointer<FinestraPersonaggio> m_finestra;
    QPointer<FumettoPersonaggio> m_fumetto;
    QPointer<QWidget> m_proprietario;
    QRect m_zonaFumetto;
    qreal m_scala = 1.0;
    Voce m_voce;
    std::deque<Passo> m_coda;
    QTimer m_chiusuraFumetto;
    QTimer m_ciglia;
    int m_passoCiglia = 0;

    QString m_nome;
    bool m_visibile = false;
    QRect m_geometria;
    int m_lingua = 0;
    QString m_modo;
    int m_stile = kStileIniziale;
    QString m_nomeCarattere = QStringLiteral("Arial");
    int m_puntiCarattere = 14;
    QString m_testoDetto; // the text being said, its tags taken off
};
