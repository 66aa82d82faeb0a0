#include "menu/VistaDocumento.h"

#include "core/Lingua.h"
#include "platform/LettoreRtf.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

bool tastoDiChiusura(int tasto)
{
    return tasto == Qt::Key_Escape || tasto == Qt::Key_Return || tasto == Qt::Key_Enter || tasto == Qt::Key_Space;
}

} // namespace

VistaDocumento::VistaDocumento(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("RichTextBox1"));

    auto *disposizione = new QVBoxLayout(this);
    m_disposizione = disposizione;
    disposizione->setContentsMargins(16, 12, 16, 16);
    disposizione->setSpacing(10);

    m_chiudi = new QPushButton(QStringLiteral("Chiudi"), this);
    m_chiudi->setObjectName(QStringLiteral("cmdChiudiDocumento"));
    m_chiudi->setFocusPolicy(Qt::NoFocus); // the keys go to the text, which closes on release
    m_chiudi->setCursor(Qt::PointingHandCursor);
    QFont carattere = m_chiudi->font();
    carattere.setPointSize(16);
    carattere.setBold(true);
    m_chiudi->setFont(carattere);
    m_chiudi->setMinimumSize(180, 52);
    m_chiudi->setStyleSheet(QStringLiteral(
        "QPushButton { background: #ffffff; color: #333333; border: 3px solid #333333; border-radius: 14px;"
        " padding: 6px 24px; }"
        "QPushButton:hover { background: #ffe08a; }"
        "QPushButton:pressed { background: #ffc94d; }"));
    connect(m_chiudi, &QPushButton::clicked, this, &VistaDocumento::chiudi);
    disposizione->addWidget(m_chiudi, 0, Qt::AlignRight);

    m_testo = new QTextBrowser(this);
    m_testo->setObjectName(QStringLiteral("testoDocumento"));
    m_testo->setReadOnly(true);
    m_testo->setOpenLinks(false);
    m_testo->setFrameShape(QFrame::NoFrame);
    m_testo->setFocusPolicy(Qt::StrongFocus);
    m_testo->document()->setDocumentMargin(28);
    m_testo->setStyleSheet(QStringLiteral("QTextBrowser { background: #ffffff; border: 3px solid #333333;"
                                          " border-radius: 10px; }"));
    m_testo->installEventFilter(this);
    m_testo->viewport()->installEventFilter(this);
    disposizione->addWidget(m_testo, 1);

    hide();
}

bool VistaDocumento::carica(const QString &fileRtf)
{
    return LettoreRtf::leggiFile(fileRtf, m_testo->document());
}

void VistaDocumento::mostra()
{
    // Named in the language of the moment: the language may have changed
    // since the view was made.
    setAccessibleName(MLSGetText(QStringLiteral("0307")));
    m_chiudi->setAccessibleName(MLSGetText(QStringLiteral("0308")));
    m_testo->setAccessibleName(MLSGetText(QStringLiteral("0309")));
    if (parentWidget())
        setGeometry(parentWidget()->rect());
    raise();
    show();
    m_testo->verticalScrollBar()->setValue(0);
    m_testo->setFocus(Qt::OtherFocusReason);
}

void VistaDocumento::chiudi()
{
    if (isHidden())
        return;
    hide();
    emit chiusa();
}

void VistaDocumento::resizeEvent(QResizeEvent *evento)
{
    QWidget::resizeEvent(evento);
    // Lines longer than this are hard to follow: on a wide screen the page
    // keeps this width, centred.
    constexpr int kLarghezzaPagina = 1200;
    const int lato = qMax(16, (width() - kLarghezzaPagina) / 2);
    m_disposizione->setContentsMargins(lato, 12, lato, 16);
}

void VistaDocumento::paintEvent(QPaintEvent *)
{
    // A soft veil over the menu behind the notes.
    QPainter p(this);
    p.fillRect(rect(), QColor(0xF4, 0xF1, 0xE8));
}

bool VistaDocumento::eventFilter(QObject *oggetto, QEvent *evento)
{
    switch (evento->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        auto *e = static_cast<QKeyEvent *>(evento);
        if (!tastoDiChiusura(e->key()))
            break; // arrows and page keys scroll the text
        if (evento->type() == QEvent::KeyRelease && !e->isAutoRepeat())
            chiudi();
        return true;
    }
    case QEvent::MouseButtonRelease:
        if (oggetto == m_testo->viewport() && static_cast<QMouseEvent *>(evento)->button() == Qt::LeftButton) {
            chiudi();
            return true;
        }
        break;
    default:
        break;
    }
    return QWidget::eventFilter(oggetto, evento);
}
