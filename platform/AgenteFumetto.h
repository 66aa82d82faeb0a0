#pragma once

#include <QFont>
#include <QPainterPath>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QWidget>

// The speech balloon beside the character with the text being said, its tail
// pointing at the character's head: a child of the character's window, or a
// frameless window of its own before the character has one.
class FumettoPersonaggio : public QWidget
{
    Q_OBJECT
public:
    // Lines of a balloon that does not grow with its text, and the average
    // characters per line of any balloon.
    static constexpr int kRigheFisse = 2;
    static constexpr int kCaratteriPerRiga = 32;
    // The smallest font the balloon shrinks its text to, in points, before
    // it shows the text in turns instead.
    static constexpr int kPuntiMinimi = 9;

    // Where the tail points: at a character below, above, on the left or on
    // the right of the balloon.
    enum class Coda { Giu, Su, Sinistra, Destra };

    FumettoPersonaggio();

    void impostaCarattere(const QFont &carattere);
    // The whole text and how much of it has been said. A balloon that holds
    // the whole text is sized for all of it from the start; otherwise it
    // keeps kRigheFisse lines. With aPasso the words appear as they are said;
    // without, the whole text is shown at once. Text that its zone cannot
    // hold, even in a smaller font, is shown in turns: as many lines as fit,
    // the turn that holds the words being said.
    void mostraTesto(const QString &testo, int caratteri, bool contieneTutto, bool aPasso);
    // Places the balloon beside the character, inside its zone, the tail
    // pointing at it: over the character, below it, or on the side the zone
    // lies; personaggio is in the coordinates of the balloon's parent (of the
    // screen for a window of its own).
    void posiziona(const QRect &personaggio);
    // The part of the parent the balloon must stay in (empty: all of it, or
    // the screen); the balloon never leaves it.
    void impostaZona(const QRect &zona);

    // The lines drawn now (what a reader of the balloon sees).
    QStringList righeVisibili() const { return m_righe; }
    // The font the text is written in, and the text area inside the outline.
    QFont carattere() const { return m_usato; }
    QRect areaTesto() const;
    // The text is shown in turns of this many lines (0: all at once).
    int righePerTurno() const { return m_turni ? m_perTurno : 0; }
    // The zone cannot hold even one line: the balloon stays hidden.
    bool senzaPosto() const { return m_senzaPosto; }
    Coda coda() const { return m_coda; }

protected:
    void paintEvent(QPaintEvent *evento) override;

private:
    struct Riga
    {
        QString testo;
        int inizio; // where it starts in the text
    };

    QRect disponibile(const QRect &personaggio) const;
    Coda codaPer(const QRect &personaggio) const;
    QRectF corpo() const;
    QPainterPath sagoma() const;
    void aggiornaSagoma();
    void dimensiona();
    void scegliRighe();
    void colloca();
    QList<Riga> righeDi(const QString &testo, const QFont &carattere, int larghezza) const;

    QFont m_carattere; // the font asked for
    QFont m_usato;     // the font drawn: smaller when the zone is tight
    QString m_testo;
    int m_caratteri = 0;
    bool m_contieneTutto = true;
    bool m_aPasso = true;
    QStringList m_righe;
    QList<Riga> m_tutte;       // the whole text, wrapped
    int m_perTurno = kRigheFisse;
    bool m_turni = false;
    bool m_senzaPosto = false;
    int m_margine = 12;
    QSize m_area;              // the text area
    int m_larghezzaRighe = 0;  // the width the text is wrapped at
    QRect m_zona;
    QRect m_personaggio;
    Coda m_coda = Coda::Giu;
    int m_codaPos = 0; // where the tail meets the character, along the balloon's side
};
