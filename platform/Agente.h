#pragma once

#include <QObject>
#include <QRect>
#include <QString>

#include <functional>
#include <memory>

class QWidget;

// The speaking character: a figure that stands on the screen, reads texts
// aloud moving its mouth and may show what it says in a speech balloon.
// Show, Hide and Speak are requests served in the order given (a Hide after
// a Speak waits until the text has been said); StopAll drops every request
// not yet served and silences the character at once. A character that is
// hidden when its turn to speak comes says nothing.
// The program uses the real character; tests install a recording fake.
class Agente : public QObject
{
    Q_OBJECT
public:
    // Balloon style bits. Only these are interpreted; any other bit set by
    // a caller is kept as it was.
    enum StileFumetto : int {
        FumettoVisibile = 1,      // the balloon is shown while speaking
        FumettoContieneTesto = 2, // it grows to hold the whole text
        FumettoSiNasconde = 4,    // it goes away on its own after the text
        FumettoAPasso = 8,        // the words appear as they are said
    };
    static constexpr int kStileIniziale = FumettoVisibile | FumettoSiNasconde | FumettoAPasso;

    using QObject::QObject;
    ~Agente() override = default;

    // Loads the character drawn in the program folder's "personaggi/<nome>.svg"
    // (the name matched without regard to case). False, with the character
    // left as it was, when the file is missing or lacks a required part.
    virtual bool Load(const QString &nome) = 0;
    // The name of the loaded character; empty before a successful Load.
    virtual QString Name() const = 0;

    virtual void Show() = 0;
    virtual void Hide() = 0;
    // The text may begin with the speech tags "\Spd=n\" and "\Pit=n\".
    virtual void Speak(const QString &testo) = 0;
    virtual void StopAll() = 0;
    // Shown (once the requests given so far have been served).
    virtual bool Visible() const = 0;
    // A text is being said.
    virtual bool Speaking() const = 0;

    // Position and size in pixels; the figure is drawn to fill the size. The
    // position is in the coordinates of the window the character appears in
    // (impostaFinestra), or on the screen before it has one.
    virtual int Left() const = 0;
    virtual int Top() const = 0;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual void MoveTo(int left, int top) = 0;
    virtual void SetSize(int width, int height) = 0;
    // The size the character's drawing comes with.
    virtual int OriginalWidth() const = 0;
    virtual int OriginalHeight() const = 0;

    // The numeric language identifier (1040 Italian): chooses the voice when
    // no engine mode is set.
    virtual int LanguageID() const = 0;
    virtual void SetLanguageID(int identificativo) = 0;
    // The engine mode "{voice}" ("{it}"); empty: the voice of LanguageID.
    virtual QString TTSModeID() const = 0;
    // An unknown mode is refused: the mode becomes empty, *errore (when
    // given) describes the failure and the result is false.
    virtual bool SetTTSModeID(const QString &modo, QString *errore = nullptr) = 0;

    virtual int BalloonStyle() const = 0;
    virtual void SetBalloonStyle(int stile) = 0;
    virtual QString BalloonFontName() const = 0;
    virtual int BalloonFontSize() const = 0;
    virtual void SetBalloonFont(const QString &nome, int punti) = 0;

    // The window the character appears in: it is drawn inside that window,
    // above its controls, so that it is seen whatever the window manager
    // does with full-screen windows, and it never takes the keys or the
    // mouse. From then on positions are the window's own coordinates, never
    // the screen's (a window system may not tell where a window is). The
    // balloon stays inside zonaFumetto (window coordinates; empty for the
    // whole window) and its font grows by scala with the window.
    virtual void impostaFinestra(QWidget *finestra, const QRect &zonaFumetto, qreal scala)
    {
        Q_UNUSED(finestra);
        Q_UNUSED(zonaFumetto);
        Q_UNUSED(scala);
    }

signals:
    // A text has been said to its end (not when StopAll cut it short).
    void FineParlato();
};

// Makes the characters the windows use.
using FabbricaAgenti = std::function<std::unique_ptr<Agente>()>;

// A new character from the installed maker: the real one unless a test
// installed another.
std::unique_ptr<Agente> creaAgente();
// Installs a maker; an empty one restores the real character.
void impostaFabbricaAgenti(FabbricaAgenti fabbrica);
