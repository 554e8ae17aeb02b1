#include "activityview.h"

#include "activitycolors.h"
#include "activitylog.h"
#include "linkwatch.h"
#include "routeservice.h"

#include <QApplication>
#include <QBoxLayout>
#include <QClipboard>
#include <QEvent>
#include <QListView>
#include <QPushButton>

ActivityView::ActivityView(LinkWatch *watch, QWidget *parent)
    : QGroupBox(parent)
    , m_log(new ActivityLog(this))
    , m_view(new QListView(this))
    , m_copy(new QPushButton(this))
    , m_clear(new QPushButton(this))
{
    setObjectName(QStringLiteral("gb_activity"));
    m_view->setObjectName(QStringLiteral("activityList"));
    m_view->setModel(new ActivityColors(m_log, this));
    m_view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_view->setUniformItemSizes(true);
    m_view->setStyleSheet(QStringLiteral("QListView{font-family:monospace;font-size:12px;}"));
    m_copy->setObjectName(QStringLiteral("activityCopyBtn"));
    m_clear->setObjectName(QStringLiteral("activityClearBtn"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_copy);
    buttons->addWidget(m_clear);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_view);
    layout->addLayout(buttons);

    connect(watch, &LinkWatch::commandSent, m_log, &ActivityLog::addSent);
    connect(watch, &LinkWatch::recordReceived, m_log, [this](const QString &, const QString &text) {
        m_log->addReceived(text);
    });
    connect(m_copy, &QPushButton::clicked, this, &ActivityView::copy);
    connect(m_clear, &QPushButton::clicked, m_log, &ActivityLog::clear);
    retranslate();
}

void ActivityView::followRoutes(RouteService *routes)
{
    connect(
        routes, &RouteService::routed, this, [this](const Route &route, int, const QString &actor) {
            if (actor.isEmpty())
                return;
            m_log->addSent(tr("%1 routed %2 output %3 to source %4")
                               .arg(actor, RouteKinds::key(route.kind))
                               .arg(route.output)
                               .arg(route.source));
        });
}

void ActivityView::copy()
{
    QList<int> rows;
    for (const QModelIndex &index : m_view->selectionModel()->selectedRows())
        rows << index.row();
    std::sort(rows.begin(), rows.end());
    QApplication::clipboard()->setText(m_log->copyText(rows));
}

void ActivityView::retranslate()
{
    setTitle(tr("Activity"));
    m_copy->setText(tr("Copy"));
    m_clear->setText(tr("Clear"));
    m_copy->setToolTip(tr("Copy the selected lines, or all when none is selected"));
}

void ActivityView::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QGroupBox::changeEvent(event);
}
