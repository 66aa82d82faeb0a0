#pragma once

#include <QDialog>

class ControlloScansione;
class FiguraStampabile;
class Pulsante;
class QLabel;
class QMenuBar;

// The picture for colouring: four house drawings with clean outlines and
// large areas for crayons; a click (or a select of the scanning) prints the
// drawing through the print window. Opened modally over an exercise, left
// through "Esci". A child's window: it follows the input mode of the
// exercises, the drawings and "Esci" forming the scanning ring.
class Form1 : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kFigure = 4;

    explicit Form1(QWidget *parent = nullptr);
    ~Form1() override;

    FiguraStampabile *Picture1(int indice) const;
    QLabel *Label1() const { return m_label1; }
    Pulsante *Command1() const { return m_esci; }
    QAction *mnuesci() const { return m_mnuesci; }
    ControlloScansione &scansione() { return *m_scansione; }

    void Picture1_Click(int indice);
    void mnuesci_Click();

    // The drawing files, in the program folder.
    static QString fileFigura(int indice);

protected:
    void showEvent(QShowEvent *evento) override;
    void resizeEvent(QResizeEvent *evento) override;

private:
    void avviaScansione();
    void evidenzia(int posizione, bool acceso);
    void seleziona(int posizione);
    void disponi();

    QMenuBar *m_menu = nullptr;
    QAction *m_mnuesci = nullptr;
    QLabel *m_label1 = nullptr;
    FiguraStampabile *m_figure[kFigure] = {};
    Pulsante *m_esci = nullptr;
    ControlloScansione *m_scansione = nullptr;
};

// Registers the print window ("con opzioni") and this window ("figura da
// colorare") for the print menu of the exercise windows.
void registraStampaEsercizi();
