#include "signalsearch.h"

#include "listwidget.h"

#include <QBoxLayout>
#include <QLineEdit>
#include <QRegularExpression>

SignalSearch::SignalSearch(ListWidget *list)
    : QObject(list)
    , m_list(list)
    , m_field(new QLineEdit(list->parentWidget()))
{
    m_field->setObjectName(QStringLiteral("signalSearch"));
    m_field->setClearButtonEnabled(true);
    if (auto *layout = qobject_cast<QBoxLayout *>(list->parentWidget()->layout())) {
        const int at = layout->indexOf(list);
        layout->insertWidget(at < 0 ? 0 : at, m_field);
    }
    connect(m_field, &QLineEdit::textChanged, this, &SignalSearch::apply);
    retranslate();
}

bool SignalSearch::matches(const QString &itemText, const QString &query)
{
    const QString q = query.trimmed();
    if (q.isEmpty())
        return true;
    static const QRegularExpression numbered(QStringLiteral("^\\s*\\[(\\d+)\\]\\s*(.*)$"));
    const QRegularExpressionMatch m = numbered.match(itemText);
    const QString number = m.hasMatch() ? m.captured(1) : QString();
    const QString name = m.hasMatch() ? m.captured(2) : itemText;
    // A number alone means that port, not every name holding the digit ("Input 13").
    static const QRegularExpression digits(QStringLiteral("^\\[?(\\d+)\\]?$"));
    const QRegularExpressionMatch d = digits.match(q);
    if (d.hasMatch() && !number.isEmpty())
        return number == d.captured(1);
    return name.contains(q, Qt::CaseInsensitive);
}

void SignalSearch::apply()
{
    const QString query = m_field->text();
    if (query.trimmed().isEmpty())
        m_list->setTextFilter(nullptr);
    else
        m_list->setTextFilter([query](const QString &text) { return matches(text, query); });
}

void SignalSearch::retranslate()
{
    m_field->setPlaceholderText(tr("Search by number or name"));
}
