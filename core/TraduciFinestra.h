#pragma once

#include <QList>
#include <QString>

class QAction;
class QObject;
class QMenu;
class QWidget;

// Applies the current language file to a window and its controls: the
// window's caption and tag, then every control's caption, tool tip and tag
// (an element of a control array is looked up as "name(index)"), and the
// captions of tab strips. Controls are the window's child widgets and menu
// actions named with objectName; an array element carries the dynamic property
// "index" and a tag the dynamic property "Tag". Never fails.
void MLSTranslateForm(QWidget *finestra);
// The key prefix of a control: "name" or, for an array element, "name(index)".
QString prefissoChiave(const QObject *controllo);

// Fills the language menu with one checkable item "mnuLanguage" per language
// file and checks the current language. With no language file it tells the
// user and leaves the menu as it is. Returns the items in order.
QList<QAction *> MLSFillMenuLanguages(QMenu *menuLingue);

// Switches to the language of item index: checks it, translates every open
// window and records the choice in "LangSetting.ini".
void mnuLanguage_Click(const QList<QAction *> &voci, int indice);
