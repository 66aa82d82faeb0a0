#include "core/TraduciFinestra.h"

#include "core/Avvio.h"
#include "core/ColoriNellaLingua.h"
#include "core/Lingua.h"
#include "core/Modulo1.h"
#include "platform/Messaggi.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QTabBar>
#include <QTabWidget>
#include <QWidget>

namespace {

QString valore(const QString &file, const QString &sezione, const QString &chiave)
{
    return MLSReadKey(file, sezione, chiave).value_or(QString());
}

void impostaCaption(QObject *controllo, const QString &testo)
{
    if (auto *pulsante = qobject_cast<QAbstractButton *>(controllo))
        pulsante->setText(testo);
    else if (auto *etichetta = qobject_cast<QLabel *>(controllo))
        etichetta->setText(testo);
    else if (auto *gruppo = qobject_cast<QGroupBox *>(controllo))
        gruppo->setTitle(testo);
    else if (auto *menu = qobject_cast<QMenu *>(controllo))
        menu->setTitle(testo);
    else if (auto *azione = qobject_cast<QAction *>(controllo))
        azione->setText(testo);
    else if (auto *finestra = qobject_cast<QWidget *>(controllo); finestra && finestra->isWindow())
        finestra->setWindowTitle(testo);
}

void impostaSuggerimento(QObject *controllo, const QString &testo)
{
    if (auto *widget = qobject_cast<QWidget *>(controllo))
        widget->setToolTip(testo);
    else if (auto *azione = qobject_cast<QAction *>(controllo))
        azione->setToolTip(testo);
}

void traduciSchede(QObject *controllo, const QString &file, const QString &sezione)
{
    QTabBar *barra = qobject_cast<QTabBar *>(controllo);
    QTabWidget *schede = qobject_cast<QTabWidget *>(controllo);
    const int n = barra ? barra->count() : (schede ? schede->count() : 0);
    for (int i = 0; i < n; ++i) {
        const QString testo = valore(file, sezione,
                                     controllo->objectName() + QStringLiteral(".TabCaption(")
                                         + QString::number(i) + QLatin1Char(')'));
        if (barra)
            barra->setTabText(i, testo);
        else
            schede->setTabText(i, testo);
    }
}

} // namespace

QString prefissoChiave(const QObject *controllo)
{
    const QVariant indice = controllo->property("index");
    bool ok = false;
    const int i = indice.toInt(&ok);
    if (indice.isValid() && ok && i >= 0)
        return controllo->objectName() + QLatin1Char('(') + QString::number(i) + QLatin1Char(')');
    return controllo->objectName();
}

void MLSTranslateForm(QWidget *finestra)
{
    if (!finestra)
        return;
    const QString file = Lingua::fileLingua(LinguaCorrente());
    const QString sezione = finestra->objectName();

    if (!finestra->windowTitle().isEmpty())
        finestra->setWindowTitle(valore(file, sezione, sezione + QStringLiteral(".Caption")));
    finestra->setProperty("Tag", valore(file, sezione, sezione + QStringLiteral(".Tag")));

    // Events are served between controls, and a handler may delete a
    // control meanwhile: a control gone by its turn is skipped.
    QList<QPointer<QObject>> controlli;
    for (QObject *figlio : finestra->findChildren<QObject *>())
        controlli << figlio;
    for (const QPointer<QObject> &puntatore : controlli) {
        QObject *controllo = puntatore.data();
        if (!controllo)
            continue;
        const QString nome = controllo->objectName();
        if (nome.isEmpty() || nome.startsWith(QStringLiteral("qt_")))
            continue;
        if (!qobject_cast<QWidget *>(controllo) && !qobject_cast<QAction *>(controllo))
            continue;
        const QString prefisso = prefissoChiave(controllo);
        const QString caption = valore(file, sezione, prefisso + QStringLiteral(".Caption"));
        if (!caption.isEmpty())
            impostaCaption(controllo, caption);
        const QString suggerimento = valore(file, sezione, prefisso + QStringLiteral(".ToolTipText"));
        if (!suggerimento.isEmpty())
            impostaSuggerimento(controllo, suggerimento);
        const QString tag = valore(file, sezione, prefisso + QStringLiteral(".Tag"));
        if (!tag.isEmpty())
            controllo->setProperty("Tag", tag);
        traduciSchede(controllo, file, sezione);
        // The window stays responsive while a long form is translated.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
}

QList<QAction *> MLSFillMenuLanguages(QMenu *menuLingue)
{
    QList<QAction *> voci;
    const QStringList lingue = Lingua::lingueDisponibili();
    if (lingue.isEmpty()) {
        messaggi().mostra(QStringLiteral("Non è presente alcun file di linguaggio!"), titoloProgramma());
        return voci;
    }
    for (int i = 0; i < lingue.size(); ++i) {
        auto *voce = new QAction(lingue.at(i), menuLingue);
        voce->setObjectName(QStringLiteral("mnuLanguage"));
        voce->setProperty("index", i);
        voce->setCheckable(true);
        menuLingue->addAction(voce);
        voci << voce;
    }
    LinguaCorrente() = Lingua::linguaSalvata();
    for (QAction *voce : voci) {
        if (voce->text() == LinguaCorrente()) {
            voce->setChecked(true);
            break;
        }
    }
    return voci;
}

void mnuLanguage_Click(const QList<QAction *> &voci, int indice)
{
    if (indice < 0 || indice >= voci.size())
        return;
    for (QAction *voce : voci)
        voce->setChecked(false);
    voci.at(indice)->setChecked(true);
    LinguaCorrente() = voci.at(indice)->text();
    // Texts composed from the language file at start follow it too.
    PreparaIntestazioni();
    // So do the colour words the teacher has not changed.
    coloriNellaLinguaCorrente(Stato().imp.TabellaColori);
    for (QWidget *finestra : QApplication::topLevelWidgets()) {
        // Menus are top-level widgets too, but they belong to their window.
        if (qobject_cast<QMenu *>(finestra) || finestra->objectName().isEmpty()
            || finestra->objectName().startsWith(QStringLiteral("qt_")))
            continue;
        MLSTranslateForm(finestra);
    }
    Lingua::scegliLingua(LinguaCorrente());
}
