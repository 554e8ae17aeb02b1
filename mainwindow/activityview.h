#pragma once

#include <QGroupBox>

class ActivityLog;
class LinkWatch;
class RouteService;
class QListView;
class QPushButton;

// The activity panel of the Setting page: commands sent and records received, newest
// first, with Copy (the selected lines, or all) and Clear. GUI thread.
class ActivityView : public QGroupBox
{
    Q_OBJECT

public:
    ActivityView(LinkWatch *watch, QWidget *parent);

    ActivityLog *log() const { return m_log; }
    // Routes someone else made through this client (a web user, a control system) get a
    // line naming them beside the command.
    void followRoutes(RouteService *routes);
    void copy();
    void retranslate();

protected:
    void changeEvent(QEvent *event) override;

private:
    ActivityLog *m_log;
    QListView *m_view;
    QPushButton *m_copy;
    QPushButton *m_clear;
};
