#pragma once

#include "dialogrunner.h"
#include "framelessdialog.h"
#include "usermanagermodel.h"

class PermissionStore;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QTimer;

// Lists the operator accounts and adds, edits, deletes them and opens their rights.
// The main window hands it its PermissionStore, calls loadUsers() and runs it modally.
// GUI thread.
class Usermanagerdialog : public FramelessDialog
{
    Q_OBJECT

public:
    explicit Usermanagerdialog(QWidget *parent = nullptr);
    void setPermissionStore(PermissionStore *store) { m_model.setPermissionStore(store); }
    // Runs the permission dialog; tests answer it themselves.
    void setDialogRunner(DialogRunner runner) { m_runDialog = std::move(runner); }
    void loadUsers();
    const UserManagerModel &model() const { return m_model; }

    static constexpr int MessageMs = 2000;

public slots:
    void on_btnAdd_clicked();
    void on_btnEdit_clicked();
    void on_btnSave_clicked();
    void on_btnDel_clicked();
    void on_btnPermission_clicked();
    void on_btnClose_clicked();

private:
    void buildForm();
    QWidget *buildUserList(QWidget *content);
    void currentRowChanged(int row);
    void applyState();
    void showTip(const QString &text);

    UserManagerModel m_model;
    DialogRunner m_runDialog;
    QTableWidget *m_table = nullptr;
    QLineEdit *m_name = nullptr;
    QLineEdit *m_password = nullptr;
    QLineEdit *m_repeat = nullptr;
    QLabel *m_tip = nullptr;
    QPushButton *m_add = nullptr;
    QPushButton *m_edit = nullptr;
    QPushButton *m_del = nullptr;
    QPushButton *m_save = nullptr;
    QPushButton *m_permission = nullptr;
    QTimer *m_tipTimer = nullptr;
};
