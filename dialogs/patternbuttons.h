#pragma once

#include <QVector>

class QButtonGroup;
class QGridLayout;
class QPushButton;
class QWidget;

// The radio buttons of the output setting dialogs, made from a table: each button's
// id in the group is the code the device knows the choice by.
namespace PatternButtons {

struct Entry
{
    int code;
    const char *objectName;
    const char *text; // QT_TRANSLATE_NOOP("PatternButtons", ...)
};

// Adds the buttons row by row, `columns` to a row, to `grid`; exclusive group.
QButtonGroup *add(QWidget *owner, QGridLayout *grid, const QVector<Entry> &entries, int columns);

// Unchecks every button (an exclusive group will not let the last one go).
void uncheckAll(QButtonGroup *group);

// The shared look of the radio buttons and of the dialog body.
QString style();

struct OkCancel
{
    QPushButton *cancel;
    QPushButton *ok;
};

// Lays out `body`: the buttons' `grid`, then Cancel and OK at the bottom right. The
// texts come translated from the dialog.
OkCancel
layOutBody(QWidget *body, QGridLayout *grid, const QString &cancelText, const QString &okText);

} // namespace PatternButtons
