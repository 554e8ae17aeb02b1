#include "rightswarning.h"

#include "dialogconfirm.h"

#include <QCoreApplication>
#include <QLabel>
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

namespace RightsWarning {

void show(PortRights::Warning warning, QWidget *window, const DialogRunner &run)
{
    const QString text = warning == PortRights::Warning::NoPermission
                             ? QCoreApplication::translate("PortMenus", "No Permission!")
                             : QCoreApplication::translate(
                                   "PortMenus",
                                   "The current operation involves one or more ports that the "
                                   "current user does not have permission to use.");
    WarningDialog dialog(window, text);
    Dialogs::run(run, dialog);
}

PortRights::Warn shownOver(QWidget *window, DialogRunner run)
{
    return [window, run = std::move(run)](PortRights::Warning w) {
        show(w, window, run);
    };
}

} // namespace RightsWarning
