#pragma once

#include <QObject>
#include <QString>

#include <functional>

class LinkIndicator;
class StaleTracker;
class QLabel;
class QPushButton;
class QTimer;
class QWidget;
class TableWidget;

// Shows the state of the link where an operator sees it from across the room: a
// coloured lamp beside the title's state word, a strip under it that says when the window is
// offline or its picture may be stale (with Refresh), and the self-clearing message
// line for refusals. While offline the grids refuse drops and clicks and are greyed.
// GUI thread.
class LinkStatusView : public QObject
{
    Q_OBJECT

public:
    static constexpr int MessageMs = 2000;

    LinkStatusView(QWidget *titleBar,
                   QWidget *window,
                   LinkIndicator *indicator,
                   StaleTracker *stale);

    void setGrids(const QList<TableWidget *> &grids);
    void setRefresh(std::function<void()> refresh) { m_refresh = std::move(refresh); }
    LinkIndicator *indicator() const { return m_indicator; }
    StaleTracker *staleTracker() const { return m_stale; }
    bool isOnline() const;
    // True (and says why) when a command must not be sent now.
    bool refuseWhileOffline();
    void showMessage(const QString &text);
    // The same line for what was done, e.g. what an undo restored.
    void showNote(const QString &text);
    QString message() const;
    QString stripText() const;
    void retranslate();

private:
    void update();

    LinkIndicator *m_indicator;
    StaleTracker *m_stale;
    QLabel *m_lamp;
    QWidget *m_strip;
    QLabel *m_stripText;
    QPushButton *m_refreshButton;
    QLabel *m_message;
    QTimer *m_messageTimer;
    QList<TableWidget *> m_grids;
    std::function<void()> m_refresh;
};
