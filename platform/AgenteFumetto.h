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

    FumettoPersonaggio();

    void impostaCarattere(const QFont &carattere);
    // The whole text and how much of it has been said. A balloon that holds
    // the whole text is sized for all of it from the start; otherwise it
    // keeps kRigheFisse lines. With aPasso the words appear as they are said
    // (a fixed balloon showing the last lines said); without, the whole text
    // is shown at once (a fixed balloon cutting it with an ellipsis).
    void mostraTesto(const QString &testo, int caratteri, bool contieneTutto, bool aPasso);
    // Places the balloon over the character (below it when there is no room
    // above), inside its zone; personaggio is in the coordinates of the
    // balloon's parent (of the screen for a window of its own).
    void posiziona(const QRect &personaggio);
    // The part of the parent the balloon must stay in (empty: all of it, or
    // the screen); the balloon is never wider than the zone.
    void impostaZona(const QRect &zona);

    // The lines drawn now (what a reader of the balloon sees).
    QStringList righeVisibili() const { return m_righe; }
    // The font the text is written in, and the text area inside the outline.
    QFont carattere() const { return m_carattere; }
    QRect areaTesto() const { return QRect(corpo().toRect().topLeft() + QPoint(12, 12), m_area); }

protected:
    void paintEvent(QPaintEvent *evento) override;

private:
    QRect disponibile(const QRect &personaggio) const;
    int larghezzaMassima() const;
    QRectF corpo() const;
    QPainterPath sagoma() const;
    void aggiornaSagoma();
    void dimensiona();
    QStringList righeDi(const QString &testo, int larghezza) const;

    QFont m_carattere;
    QString m_testo;
    int m_caratteri = 0;
    bool m_contieneTutto = true;
    bool m_aPasso = true;
    QStringList m_righe;
    QSize m_area;          // the text area
    int m_larghezzaRighe = 0; // the width the text is wrapped at
    QRect m_zona;
    QRect m_personaggio;
    bool m_sotto = false;  // the balloon hangs below the character
    int m_codaX = 0;       // where the tail meets the character, in balloon coordinates
};
