#include "patternbuttons.h"

#include "framelessdialog.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace PatternButtons {

QButtonGroup *add(QWidget *owner, QGridLayout *grid, const QVector<Entry> &entries, int columns)
{
    auto *group = new QButtonGroup(owner);
    group->setExclusive(true);
    for (int i = 0; i < entries.size(); ++i) {
        const Entry &e = entries.at(i);
        auto *button =
            new QRadioButton(QCoreApplication::translate("PatternButtons", e.text), owner);
        button->setObjectName(QLatin1String(e.objectName));
        button->setCursor(Qt::PointingHandCursor);
        group->addButton(button, e.code);
        grid->addWidget(button, i / columns, i % columns);
    }
    return group;
}

void uncheckAll(QButtonGroup *group)
{
    const bool exclusive = group->exclusive();
    group->setExclusive(false);
    for (QAbstractButton *b : group->buttons())
        b->setChecked(false);
    group->setExclusive(exclusive);
}

QString style()
{
    return QStringLiteral(
        "QRadioButton{color:#2c3e50;font-size:13px;spacing:8px;}"
        "QRadioButton::indicator{width:14px;height:14px;border-radius:8px;border:2px solid #9fb3a8;"
        "background:#ffffff;}"
        "QRadioButton::indicator:hover{border-color:#338c56;}"
        "QRadioButton::indicator:checked{border:2px solid "
        "#338c56;background:qradialgradient(cx:0.5,"
        "cy:0.5,radius:0.5,fx:0.5,fy:0.5,stop:0 #338c56,stop:0.55 #338c56,stop:0.6 #ffffff);}");
}

OkCancel
layOutBody(QWidget *body, QGridLayout *grid, const QString &cancelText, const QString &okText)
{
    auto *cancel = new QPushButton(cancelText, body);
    cancel->setObjectName(QStringLiteral("pushButton"));
    cancel->setStyleSheet(DialogStyle::secondaryButton());
    auto *ok = new QPushButton(okText, body);
    ok->setObjectName(QStringLiteral("pushButton_2"));
    ok->setStyleSheet(DialogStyle::primaryButton());
    for (QPushButton *b : {cancel, ok})
        b->setFixedSize(88, 30);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cancel);
    buttons->addWidget(ok);

    auto *layout = new QVBoxLayout(body);
    layout->setContentsMargins(28, 18, 20, 16);
    layout->addLayout(grid);
    layout->addStretch();
    layout->addLayout(buttons);
    return {cancel, ok};
}

} // namespace PatternButtons
