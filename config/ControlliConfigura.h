// Small helpers shared by the files of the configuration window: making a
// control at its design position, and setting a control without running its
// handlers.
#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>

#include "layout/PosizioneTwips.h"

class QComboBox;
class QListWidget;
class QObject;
class QPushButton;
class QScrollBar;
class QSpinBox;
class QWidget;

namespace configura {

void dainome(QWidget *w, const char *nome, int indice = -1);

template<typename T>
T *crea(QWidget *parent, const char *nome, const QString &testo, int left, int top, int width, int height,
        int indice = -1)
{
    auto *w = new T(testo, parent);
    dainome(w, nome, indice);
    w->setAccessibleName(testo.simplified());
    posizionaTwips(w, left, top, width, height);
    return w;
}

QPushButton *pulsante(QWidget *parent, const char *nome, const QString &testo, int left, int top, int width,
                      int height);
QScrollBar *barra(QWidget *parent, const char *nome, const QString &nomeAccessibile, int minimo, int massimo,
                  int left, int top, int width, int height);
QListWidget *elenco(QWidget *parent, const char *nome, const QString &nomeAccessibile, int left, int top, int width,
                    int height);
QSpinBox *numero(QWidget *parent, const char *nome, int massimo, int passo, int left, int top, int width, int height);
QComboBox *scelta(QWidget *parent, const char *nome, int left, int top, int width, int height);
void grassetto(QWidget *w);

// A list entry is chosen with a click, or with Enter once the arrows have
// reached it: browsing the list with the arrows (or giving it the focus,
// which marks its first entry) chooses nothing.
void sceltaInElenco(QListWidget *elenco, QObject *contesto, std::function<void(int)> scegli);

// Checks one option of a group, or none for an index outside it.
template<size_t N>
void selezionaSolo(const std::array<QRadioButton *, N> &opzioni, int indice)
{
    for (size_t i = 0; i < N; ++i) {
        const QSignalBlocker blocco(opzioni[i]);
        opzioni[i]->setAutoExclusive(false);
        opzioni[i]->setChecked(int(i) == indice);
        opzioni[i]->setAutoExclusive(true);
    }
}

void imposta(QAbstractButton *b, bool spuntato);
void imposta(QScrollBar *b, int valore);
void imposta(QSpinBox *n, int valore);
// Fills a choice with its items in the current language, the one at indice chosen.
void imposta(QComboBox *c, const QStringList &voci, int indice);

void sfondo(QWidget *w, const QColor &colore);
// A face colour for a button, with a caption that reads on it.
void facciaPulsante(QPushButton *b, const QColor &colore);

} // namespace configura
