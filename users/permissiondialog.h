#pragma once

#include "dialogrunner.h"
#include "framelessdialog.h"
#include "permissionlayout.h"

#include <QMap>
#include <QVector>

class PermissionStore;
class QLabel;
class SvgCheckBox;

// One ordinary user's rights: a tick box per port and per function key, read from the
// user's PermissionInfo row and written back on Apply. Created per use, modal. GUI thread.
class PermissionDialog : public FramelessDialog
{
    Q_OBJECT

public:
    PermissionDialog(const QString &userIdText,
                     const QString &userName,
                     PermissionStore *permissionStore,
                     QWidget *parent = nullptr);

    // Runs the close confirmation; tests answer it themselves.
    void setDialogRunner(DialogRunner runner) { m_runDialog = std::move(runner); }
    bool isChanged() const { return m_changed; }
    // The boxes' states as they would be saved.
    PermissionRights rights() const;

public slots:
    void apply();
    void closeDialog();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *buildGroup(const PermissionLayout::Group &group, QWidget *parent);
    void selectAll(const PermissionLayout::Group &group);
    QVector<SvgCheckBox *> boxesOf(const PermissionLayout::Group &group) const;
    void loadRights();

    QString m_userId;
    QString m_userName;
    PermissionStore *m_store;
    bool m_changed = false;
    DialogRunner m_runDialog;
    QMap<PermissionLayout::Kind, QVector<SvgCheckBox *>> m_ports;
    QMap<int, SvgCheckBox *> m_functions;
};
