#include "config/ControlliConfigura.h"

#include "menu/TastiPulsante.h"

#include <QComboBox>
#include <QListWidget>
#include <QPalette>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>

namespace configura {

void dainome(QWidget *w, const char *nome, int indice)
{
    w->setObjectName(QLatin1String(nome));
    if (indice >= 0)
        w->setProperty("index", indice);
}

QPushButton *pulsante(QWidget *parent, const char *nome, const QString &testo, int left, int top, int width,
                      int height)
{
    auto *p = crea<QPushButton>(parent, nome, testo, left, top, width, height);
    // Enter chooses a button as Space does, on the release; the teacher's
    // keys are not held to the child's acceptance and debounce times.
    attivaConTasti(p, ChiPreme::Insegnante);
    p->setCursor(Qt::PointingHandCursor);
    return p;
}

QScrollBar *barra(QWidget *parent, const char *nome, const QString &nomeAccessibile, int minimo, int massimo,
                  int left, int top, int width, int height)
{
    auto *b = new QScrollBar(Qt::Horizontal, parent);
    dainome(b, nome);
    b->setAccessibleName(nomeAccessibile);
    b->setRange(minimo, massimo);
    b->setPageStep(qMax(1, (massimo - minimo) / 10));
    b->setFocusPolicy(Qt::StrongFocus);
    posizionaTwips(b, left, top, width, height);
    return b;
}

QListWidget *elenco(QWidget *parent, const char *nome, const QString &nomeAccessibile, int left, int top, int width,
                    int height)
{
    auto *l = new QListWidget(parent);
    dainome(l, nome);
    l->setAccessibleName(nomeAccessibile);
    posizionaTwips(l, left, top, width, height);
    return l;
}

QSpinBox *numero(QWidget *parent, const char *nome, int massimo, int passo, int left, int top, int width, int height)
{
    auto *n = new QSpinBox(parent);
    dainome(n, nome);
    n->setRange(0, massimo);
    n->setSingleStep(passo);
    n->setAccelerated(true);
    n->setFocusPolicy(Qt::StrongFocus);
    posizionaTwips(n, left, top, width, height);
    return n;
}

QComboBox *scelta(QWidget *parent, const char *nome, int left, int top, int width, int height)
{
    auto *c = new QComboBox(parent);
    dainome(c, nome);
    c->setFocusPolicy(Qt::StrongFocus);
    posizionaTwips(c, left, top, width, height);
    return c;
}

void grassetto(QWidget *w)
{
    QFont f = w->font();
    f.setBold(true);
    w->setFont(f);
}

void sceltaInElenco(QListWidget *elenco, QObject *contesto, std::function<void(int)> scegli)
{
    auto riga = [elenco, scegli](QListWidgetItem *voce) { scegli(elenco->row(voce)); };
    QObject::connect(elenco, &QListWidget::itemClicked, contesto, riga);
    QObject::connect(elenco, &QListWidget::itemActivated, contesto, riga);
}

void imposta(QAbstractButton *b, bool spuntato)
{
    const QSignalBlocker blocco(b);
    b->setChecked(spuntato);
}

void imposta(QScrollBar *b, int valore)
{
    const QSignalBlocker blocco(b);
    b->setValue(valore);
}

void imposta(QSpinBox *n, int valore)
{
    const QSignalBlocker blocco(n);
    n->setValue(valore);
}

void imposta(QComboBox *c, const QStringList &voci, int indice)
{
    const QSignalBlocker blocco(c);
    c->clear();
    c->addItems(voci);
    c->setCurrentIndex(indice);
}

void sfondo(QWidget *w, const QColor &colore)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Window, colore);
    p.setColor(QPalette::Button, colore);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

void facciaPulsante(QPushButton *b, const QColor &colore)
{
    QPalette p = b->palette();
    p.setColor(QPalette::Button, colore);
    p.setColor(QPalette::ButtonText, colore.lightnessF() < 0.5 ? Qt::white : Qt::black);
    b->setPalette(p);
}

} // namespace configura
