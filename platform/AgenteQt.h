#pragma once

#include "platform/Agente.h"
#include "platform/Voce.h"

#include <QRect>
#include <QTimer>

#include <deque>
#include <memory>

class FinestraPersonaggio;
class FumettoPersonaggio;

// The real speaking character: a frameless, see-through window showing the
// character's drawing, its mouth following the loudness of the speech, and
// a speech balloon window. Neither window takes the keyboard focus or the
// mouse, so the exercise under them keeps both.
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

    // The windows the character shows itself in, and its voice.
    QWidget *finestraPersonaggio() const;
    FumettoPersonaggio *finestraFumetto() const { return m_fumetto.get(); }
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

    std::unique_ptr<FinestraPersonaggio> m_finestra;
    std::unique_ptr<FumettoPersonaggio> m_fumetto;
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
