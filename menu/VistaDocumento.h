#pragma once

#include <QWidget>

class QBoxLayout;
class QPushButton;
class QTextBrowser;

// The teachers' notes shown over the main menu: a read-only rich-text view
// as large as the menu, with a close button. Everyone can close it: a click
// on the text, the close button, or releasing Escape, Enter or Space (the
// keys the switches are wired to). Keys act when released, so the release of
// the key that closed the view never reaches the menu behind it.
class VistaDocumento : public QWidget
{
    Q_OBJECT

public:
    explicit VistaDocumento(QWidget *parent = nullptr);

    // Reads an RTF file; false, with the view left empty, when it cannot be read.
    bool carica(const QString &fileRtf);

    QTextBrowser *testo() const { return m_testo; }
    QPushButton *pulsanteChiudi() const { return m_chiudi; }

    // Shows the view over its parent's whole area and gives it the keys.
    void mostra();
    void chiudi();

signals:
    void chiusa();

protected:
    bool eventFilter(QObject *oggetto, QEvent *evento) override;
    void paintEvent(QPaintEvent *evento) override;
    void resizeEvent(QResizeEvent *evento) override;

private:
    QTextBrowser *m_testo = nullptr;
    QPushButton *m_chiudi = nullptr;
    QBoxLayout *m_disposizione = nullptr;
};
