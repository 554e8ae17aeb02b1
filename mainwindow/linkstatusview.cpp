#include "linkstatusview.h"

#include "linkindicator.h"
#include "linkwatch.h"
#include "messagedistance.h"
#include "staletracker.h"
#include "tablewidget.h"

#include <QBoxLayout>
#include <QGraphicsOpacityEffect>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

LinkStatusView::LinkStatusView(QWidget *titleBar,
                               QWidget *window,
                               LinkIndicator *indicator,
                               StaleTracker *stale)
    : QObject(window)
    , m_indicator(indicator)
    , m_stale(stale)
    , m_lamp(new QLabel(titleBar))
    , m_strip(new QWidget(window))
    , m_stripText(new QLabel(m_strip))
    , m_refreshButton(new QPushButton(m_strip))
    , m_message(new QLabel(m_strip))
    , m_messageTimer(new QTimer(this))
{
    m_lamp->setObjectName(QStringLiteral("linkLamp"));
    m_lamp->setFixedSize(14, 14);
    if (auto *title = qobject_cast<QBoxLayout *>(titleBar->layout())) {
        // Right of the title text, which already says the state in words; the retries
        // are in the strip and the lamp's tip.
        title->insertWidget(1, m_lamp);
    }

    m_strip->setObjectName(QStringLiteral("linkStrip"));
    m_strip->setAttribute(Qt::WA_StyledBackground);
    m_stripText->setObjectName(QStringLiteral("linkStripText"));
    m_refreshButton->setObjectName(QStringLiteral("staleRefreshBtn"));
    m_message->setObjectName(QStringLiteral("messageLine"));
    auto *row = new QHBoxLayout(m_strip);
    row->setContentsMargins(12, 3, 12, 3);
    row->addWidget(m_stripText);
    row->addWidget(m_refreshButton);
    row->addStretch();
    row->addWidget(m_message);
    if (auto *main = qobject_cast<QBoxLayout *>(window->layout()))
        main->insertWidget(1, m_strip);

    m_messageTimer->setSingleShot(true);
    m_messageTimer->setInterval(MessageMs);
    connect(m_messageTimer, &QTimer::timeout, m_message, &QLabel::clear);
    connect(m_refreshButton, &QPushButton::clicked, this, [this] {
        if (!refuseWhileOffline() && m_refresh)
            m_refresh();
    });

    connect(m_indicator, &LinkIndicator::changed, this, &LinkStatusView::update);
    connect(m_stale, &StaleTracker::staleChanged, this, &LinkStatusView::update);
    update();
}

void LinkStatusView::setGrids(const QList<TableWidget *> &grids)
{
    m_grids = grids;
    for (TableWidget *grid : grids)
        connect(grid, &TableWidget::refused, this, &LinkStatusView::showMessage);
    update();
}

bool LinkStatusView::isOnline() const
{
    return m_indicator->isOnline();
}

bool LinkStatusView::refuseWhileOffline()
{
    if (isOnline())
        return false;
    showMessage(m_indicator->offlineReason());
    return true;
}

void LinkStatusView::showMessage(const QString &text)
{
    m_message->setStyleSheet(QStringLiteral("color:#b03a2e;font-weight:bold;"));
    m_message->setText(text);
    m_messageTimer->start();
}

void LinkStatusView::showNote(const QString &text)
{
    // What was done, not what was refused: in the window's green, not in red.
    m_message->setStyleSheet(QStringLiteral("color:#338c56;font-weight:bold;"));
    m_message->setText(text);
    m_messageTimer->start();
}

QString LinkStatusView::message() const
{
    return m_message->text();
}

QString LinkStatusView::stripText() const
{
    return m_stripText->text();
}

void LinkStatusView::retranslate()
{
    update();
}

void LinkStatusView::update()
{
    const bool online = isOnline();
    const QString colour = m_indicator->colour();
    m_lamp->setStyleSheet(
        QStringLiteral("background:%1;border-radius:7px;border:1px solid white;").arg(colour));
    m_lamp->setToolTip(m_indicator->word());
    m_refreshButton->setText(tr("Refresh"));

    QString text;
    QString background;
    if (!online) {
        text = tr("Offline (%1): drops, clicks and commands are refused until the device "
                  "answers again.")
                   .arg(m_indicator->word());
        background = QStringLiteral("#fbe3e1");
    } else if (m_stale->isStale()) {
        const QDateTime last = m_stale->lastRecord();
        text = last.isValid()
                   ? tr("The device did not answer within 5 s: the picture may be stale (last "
                        "record %1).")
                         .arg(last.toString(QStringLiteral("HH:mm:ss")))
                   : tr("The device did not answer within 5 s: the picture may be stale.");
        background = QStringLiteral("#fff3d6");
    }
    m_stripText->setText(text);
    m_refreshButton->setVisible(online && m_stale->isStale());
    m_strip->setStyleSheet(QStringLiteral("QWidget#linkStrip{background:%1;}")
                               .arg(background.isEmpty() ? QStringLiteral("#f4f6f5") : background));
    m_stripText->setVisible(!text.isEmpty());

    for (TableWidget *grid : qAsConst(m_grids)) {
        grid->setOfflineReason(online ? QString() : m_indicator->offlineReason());
        if (online) {
            grid->viewport()->setGraphicsEffect(nullptr);
        } else if (!grid->viewport()->graphicsEffect()) {
            auto *grey = new QGraphicsOpacityEffect(grid->viewport());
            grey->setOpacity(0.45);
            grid->viewport()->setGraphicsEffect(grey);
        }
    }
}
