#pragma once

#include <QWidget>

class Immagine;
class Pulsante;
class QLabel;
class clsResize;

// The splash window shown at start: the title and date over a background
// that fades from white at the top to green at the bottom, the splash
// picture, and the button that opens the main menu. The button holds the
// keyboard focus, so a switch (Space) or Enter opens the menu too.
class FormAvvio : public QWidget
{
    Q_OBJECT

public:
    explicit FormAvvio(QWidget *parent = nullptr);

    QLabel *Label2(int indice) const; // 0 title, 1 date
    Immagine *Image1() const { return m_image1; }
    Pulsante *Command1() const { return m_command1; }
    bool attivata() const { return m_attivata; }

    void Command1_Click();

protected:
    void showEvent(QShowEvent *evento) override;
    void paintEvent(QPaintEvent *evento) override;
    void resizeEvent(QResizeEvent *evento) override;

private:
    void Form_Activate();
    void adattaTitolo();

    QLabel *m_label2[2] = {};
    Immagine *m_image1 = nullptr;
    Pulsante *m_command1 = nullptr;
    clsResize *m_ridimensiona = nullptr;
    bool m_primaApertura = true;
    bool m_attivata = false;
    bool m_motorePreparato = false;
};
