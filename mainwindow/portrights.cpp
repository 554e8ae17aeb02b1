#include "portrights.h"

#include "dialogconfirm.h"
#include "permissionstore.h"

#include <QCoreApplication>
#include <QLabel>
#include <QList>
#include <QPushButton>
#include <QWidget>

namespace {

// The confirmation look, grown to three quarters of the main window.
class WarningDialog : public DialogConfirm
{
public:
    WarningDialog(QWidget *window, const QString &text)
        : DialogConfirm(window, QCoreApplication::translate("PortMenus", "Warning"), text)
    {
        QSize size = window ? window->size() * 3 / 4 : QSize(340, 170);
        size = size.expandedTo(QSize(340, 170));
        setFrameSize(size);
        m_content->setGeometry(18, 46, size.width() - 36, size.height() - 100);
        m_content->setAlignment(Qt::AlignCenter);
        m_content->setStyleSheet(QStringLiteral("font:16px \"Microsoft YaHei\";color:#2c3e50;"));
        auto *ok = findChild<QPushButton *>(QStringLiteral("btn_ok"));
        auto *cancel = findChild<QPushButton *>(QStringLiteral("btn_cancel"));
        if (ok && cancel) {
            cancel->move(size.width() - 18 - cancel->width(), size.height() - 46);
            ok->move(cancel->x() - 8 - ok->width(), size.height() - 46);
        }
    }
};

} // namespace

PortRights::PortRights(const PermissionStore *store, QWidget *window, DialogRunner run)
    : m_store(store)
    , m_window(window)
    , m_run(std::move(run))
{
}

bool PortRights::portAllowed(int port, int category, bool warn) const
{
    const bool allowed = !m_store || m_store->hasPortRight(port, category);
    if (!allowed && warn)
        showNoPermission();
    return allowed;
}

bool PortRights::functionAllowed(int key, bool warn) const
{
    const bool allowed = !m_store || m_store->hasFunctionRight(key);
    if (!allowed && warn)
        showNoPermission();
    return allowed;
}

bool PortRights::outputsAllowed(const QList<int> &outputs, bool warn) const
{
    for (int o : outputs) {
        if (!portAllowed(o, PermissionStore::Output)) {
            if (warn)
                showPermissionWarning();
            return false;
        }
    }
    return true;
}

void PortRights::showPermissionWarning() const
{
    warn(QCoreApplication::translate("PortMenus",
                                     "The current operation involves one or more ports that the "
                                     "current user does not have permission to use."));
}

void PortRights::showNoPermission() const
{
    warn(QCoreApplication::translate("PortMenus", "No Permission!"));
}

void PortRights::warn(const QString &text) const
{
    WarningDialog dialog(m_window, text);
    Dialogs::run(m_run, dialog);
}
