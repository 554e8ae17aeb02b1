#include "dialoglauncher.h"

#include "appsettings.h"
#include "ui_widget.h"

#include "dialogconfirm.h"
#include "edidsettingdilog.h"
#include "loginflow.h"
#include "messagedistance.h"
#include "msgdlg.h"
#include "rightswarning.h"
#include "titleorosddialog.h"
#include "usermanagerdialog.h"
#include "windowcontext.h"

#include <QPushButton>

DialogLauncher::DialogLauncher(WindowContext &context, QWidget *dialogParent)
    : QObject(dialogParent)
    , m_context(context)
    , m_dialogParent(dialogParent)
{
    // Without it a failed upload in the running client would only reach the log.
    MessageDistance::instance()->setUploadFailureHook(
        [this](const QString &heading, const QString &text) {
            MsgDlg box(m_dialogParent);
            box.setMessage(heading, text);
            m_context.run(box);
        });
}

DialogLauncher::~DialogLauncher()
{
    MessageDistance::instance()->setUploadFailureHook(nullptr);
}

void DialogLauncher::connectControls()
{
    Ui::Widget *ui = m_context.ui;
    connect(ui->CaptionBtn, &QPushButton::clicked, this, &DialogLauncher::openCaption);
    connect(ui->btn_caption_0409, &QPushButton::clicked, this, &DialogLauncher::openCaption);
    connect(ui->usermanageBtn, &QPushButton::clicked, this, &DialogLauncher::openUserManagement);
}

void DialogLauncher::applyRights()
{
    Ui::Widget *ui = m_context.ui;
    const PermissionStore &rights = m_context.permissions;
    for (QWidget *w :
         {static_cast<QWidget *>(ui->CaptionBtn), static_cast<QWidget *>(ui->btn_caption_0409)}) {
        w->setEnabled(rights.hasFunctionRight(PermissionStore::Caption));
        w->setToolTip(QString());
    }
    ui->usermanageBtn->setEnabled(rights.hasFunctionRight(PermissionStore::User));
    ui->usermanageBtn->setToolTip(QString());
}

bool DialogLauncher::allowed(int functionKey, int inputPort)
{
    const PermissionStore &rights = m_context.permissions;
    PortRights::Refused refused;
    if (!rights.hasFunctionRight(functionKey))
        refused = {functionKey, -1};
    else if (inputPort > 0 && !rights.hasPortRight(inputPort, PermissionStore::Input))
        refused = {inputPort, PermissionStore::Input};
    else
        return true;
    RightsWarning::show(
        PortRights::Warning::NoPermission, m_dialogParent, m_context.runDialog, refused);
    return false;
}

void DialogLauncher::openCaption()
{
    if (!allowed(PermissionStore::Caption))
        return;
    TitleOrOsdDialog dialog(-1, m_dialogParent);
    dialog.setTitle(tr("Caption Setting"));
    MessageDistance::instance()->sendGetSubtitle();
    m_context.run(dialog);
}

void DialogLauncher::openOsd(int port, bool ask)
{
    if (!allowed(PermissionStore::Osd, port))
        return;
    TitleOrOsdDialog dialog(port, m_dialogParent);
    const QString name = AppSettings::instance()->inputNames().value(port);
    const QString label =
        QStringLiteral("[%1] %2").arg(port).arg(name.isEmpty() ? tr("Input %1").arg(port) : name);
    dialog.setTitle(tr("OSD Setting %1").arg(label));
    if (ask)
        MessageDistance::instance()->sendGetOsd(port);
    m_context.run(dialog);
}

void DialogLauncher::openEdid(int port)
{
    if (!allowed(PermissionStore::Edid, port))
        return;
    EdidSettingDilog dialog(port, m_dialogParent);
    m_context.run(dialog);
}

void DialogLauncher::openUserManagement()
{
    if (!allowed(PermissionStore::User))
        return;
    Usermanagerdialog dialog(m_dialogParent);
    dialog.setPermissionStore(&m_context.permissions);
    dialog.loadUsers();
    m_context.run(dialog);
}

void DialogLauncher::offerPasswordChange()
{
    if (!LoginFlow::takePasswordChangeOffer())
        return;
    auto *offer =
        new DialogConfirm(m_dialogParent,
                          tr("Default password"),
                          tr("You are logged in as ADMIN with the default password, which "
                             "anyone with the manual knows. Change it now in User Management?"));
    if (m_context.runDialog) {
        if (m_context.run(*offer) == QDialog::Accepted)
            openUserManagement();
        delete offer;
        return;
    }
    offer->setAttribute(Qt::WA_DeleteOnClose);
    connect(
        offer, &QDialog::accepted, this, &DialogLauncher::openUserManagement, Qt::QueuedConnection);
    offer->show();
}
