#pragma once

#include <QWidget>

class Immagine;
class Pulsante;
class QLabel;
class clsResize;

// The about window: the maker, the program's description and free-use
// notice from the language file, a picture that opens the presentation
// document, and "Chiudi", which goes back to the main menu.
class FormInfo : public QWidget
{
    Q_OBJECT

public:
    explicit FormInfo(QWidget *parent = nullptr);

    QLabel *Label(int numero) const; // Label1 .. Label4
    Immagine *Image1() const { return m_image1; }
    Pulsante *Command1() const { return m_command1; }
    bool attivata() const { return m_attivata; }

    void Command1_Click();
    void Image1_Click();

protected:
    void showEvent(QShowEvent *evento) override;
    void closeEvent(QCloseEvent *evento) override;

private:
    void Form_Activate();

    QLabel *m_label[4] = {};
    int m_puntiProgetto[4] = {};
    Immagine *m_image1 = nullptr;
    Pulsante *m_command1 = nullptr;
    clsResize *m_ridimensiona = nullptr;
    bool m_primaApertura = true;
    bool m_attivata = false;
    bool m_versoMenu = false;
};
