#pragma once

#include "dialogrunner.h"
#include "framelessdialog.h"
#include "salvocontroller.h"

#include <functional>

class QLabel;
class QListWidget;
class QPushButton;

// The salvo list of the device now addressed: make a salvo from the current routes, the
// outputs selected in the shown grid or the take stage, rename, delete and recall one, and
// read the recall's report with a way to send what did not take again. Shows what the
// SalvoController says; a project.db that cannot be changed turns it off with the reason.
// A tool window beside the main window. GUI thread.
class SalvoPanel : public FramelessDialog
{
    Q_OBJECT

public:
    using User = std::function<ActingUser()>;
    using Cells = std::function<QVector<Route>()>;

    SalvoPanel(SalvoController *salvos, QWidget *parent = nullptr);

    void setActingUser(User user) { m_user = std::move(user); }
    // The cells picked in the grid on show; unset or empty: "from selected" is off.
    void setSelection(Cells cells) { m_selection = std::move(cells); }
    // The staged routes; unset hides "from stage".
    void setStage(Cells cells);
    void setDialogRunner(DialogRunner run) { m_run = std::move(run); }

    // The list and buttons from what the controller holds.
    void refresh();
    void retranslate();
    // The salvo the list has selected; 0 for none.
    qint64 currentId() const;
    void selectId(qint64 id);

    // "Video output 3 <- Input 2", with the names the operator gave the ports.
    static QString routeText(const Route &route);

protected:
    void changeEvent(QEvent *event) override;

private:
    void build();
    void createFrom(const QVector<Route> &routes);
    void renameCurrent();
    void removeCurrent();
    void recallCurrent();
    void showProgress(int done, int total);
    void showReport(const SalvoController::Report &report);
    QString askName(const QString &title, const QString &name);
    ActingUser user() const { return m_user ? m_user() : ActingUser(); }

    SalvoController *m_salvos;
    User m_user;
    Cells m_selection;
    Cells m_stage;
    DialogRunner m_run;

    QLabel *m_notice = nullptr;
    QListWidget *m_list = nullptr;
    QPushButton *m_fromCurrent = nullptr;
    QPushButton *m_fromSelected = nullptr;
    QPushButton *m_fromStage = nullptr;
    QPushButton *m_rename = nullptr;
    QPushButton *m_delete = nullptr;
    QPushButton *m_recall = nullptr;
    QLabel *m_summary = nullptr;
    QListWidget *m_report = nullptr;
    QPushButton *m_sendAgain = nullptr;
};
