#pragma once

#include <QObject>
#include <QString>

class QLineEdit;
class QListWidget;

// A search field over the signal list: keeps the items whose number or name holds the
// typed text, also after the list is rebuilt. GUI thread.
class SignalSearch : public QObject
{
    Q_OBJECT

public:
    explicit SignalSearch(QListWidget *list);

    // " [3] Camera" matches "3", "cam", "[3]"; an empty query matches everything.
    static bool matches(const QString &itemText, const QString &query);
    QLineEdit *field() const { return m_field; }
    void retranslate();

private:
    void apply();

    QListWidget *m_list;
    QLineEdit *m_field;
};
