#pragma once

#include <QColor>
#include <QFont>
#include <QWidget>

// A read-only text box for sentences: each line of the text (lines end with
// CR LF or LF) is a paragraph, wrapped at word boundaries. The text is drawn
// in the largest size, up to the font's own, at which it fits the box, in
// one column or, for a list that would otherwise have to shrink, in two; a
// single sentence is centred, a list is left aligned. Nothing is ever cut off
// unless the box is too small for 8-point text.
class TestoAdattato : public QWidget
{
    Q_OBJECT

public:
    explicit TestoAdattato(QWidget *parent = nullptr);

    QString text() const { return m_testo; }
    void setText(const QString &testo);
    void clear() { setText(QString()); }

    void setColori(const QColor &sfondo, const QColor &testo);
    // The size used for the current text and box, and the columns.
    int dimensioneUsata() const;
    int colonne() const;

protected:
    void paintEvent(QPaintEvent *evento) override;
    void resizeEvent(QResizeEvent *evento) override;
    void changeEvent(QEvent *evento) override;

private:
    struct Impaginazione
    {
        QFont carattere;
        int colonne = 1;
    };
    QStringList paragrafi() const;
    bool entra(const QFont &carattere, int colonne, const QRect &area) const;
    void impagina();
    QRect area() const;

    QString m_testo;
    QColor m_sfondo = Qt::white;
    QColor m_colore = Qt::black;
    Impaginazione m_impaginazione;
    bool m_daImpaginare = true;
};
