#pragma once

#include <QObject>
#include <QString>

class QLineEdit;
class ListWidget;

// A search field over the signal list: of the current page's items, shows those whose number
// or name holds the typed text, also after the list is rebuilt or the page changes. GUI thread.
class SignalSearch : public QObject
{
    Q_OBJECT

public:
    explicit SignalSearch(ListWidget *list);

    // " [3] Camera" matches "3", "cam", "[3]"; an empty query matches everything.
    static bool matches(const QString &itemText, const QString &query);
    QLineEdit *field() const { return m_field; }
    void retranslate();

private:
    void apply();

    ListWidget *m_list;
    QLineEdit *m_field;
};
