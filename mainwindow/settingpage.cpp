#include "settingpage.h"
#include "ui_widget.h"

#include "devicestate.h"
#include "dialogconfirm.h"
#include "messagedistance.h"
#include "userstore.h"
#include "windowcontext.h"

#include <QCoreApplication>
#include <QRegExpValidator>

namespace {
// With its signals blocked a switch keeps its old image; this draws the state it has.
void showSwitchImage(SvgCheckBox *box)
{
    box->setImages(QStringLiteral(":/Images/on.svg"), QStringLiteral(":/Images/off.svg"));
}
} // namespace

SettingPage::SettingPage(WindowContext &context, QWidget *dialogParent)
    : QObject(dialogParent)
    , m_context(context)
    , m_dialogParent(dialogParent)
{
    setUpFields();
}

void SettingPage::setUpFields()
{
    Ui::Widget *ui = m_context.ui;
    for (SvgCheckBox *box : {ui->IsNotNeedLoginCheck, ui->DhcpSwitchCheck}) {
        showSwitchImage(box);
        box->setSvgIconSize(QSize(48, 24));
    }
    const QString ipPattern = QStringLiteral(
        "((25[0-5]|2[0-4][0-9]|1[0-9][0-9]|[1-9][0-9]|[0-9])[\\.]){3}"
        "(25[0-5]|2[0-4][0-9]|1[0-9][0-9]|[1-9][0-9]|[0-9])");
    auto *ipValidator = new QRegExpValidator(QRegExp(ipPattern), this);
    ui->IpEdit->setValidator(ipValidator);
    ui->GateWayEdit->setValidator(ipValidator);
    ui->SubnetEdit->setValidator(ipValidator);
    ui->MacEdit->setValidator(new QRegExpValidator(
        QRegExp(QStringLiteral("^([0-9a-fA-F]{2}(:|-)){5}[0-9a-fA-F]{2}$")), this));
}

void SettingPage::connectControls()
{
    Ui::Widget *ui = m_context.ui;
    MessageDistance *link = MessageDistance::instance();
    connect(ui->factorResetBtn, &QPushButton::clicked, this, [this, link] {
        m_networkChangePending = true;
        link->sendDefault();
    });
    connect(ui->netWorkConfirmBtn, &QPushButton::clicked, this, [this, ui, link] {
        m_networkChangePending = true;
        link->sendSetNetwork(ui->IpEdit->text(), ui->GateWayEdit->text(), ui->SubnetEdit->text(),
                             ui->MacEdit->text());
    });
    connect(ui->DhcpSwitchCheck, &QCheckBox::toggled, link,
            [link](bool checked) { link->sendDhcp(checked); });
    connect(ui->IsNotNeedLoginCheck, &QCheckBox::toggled, this,
            [](bool checked) { UserStore::setLoginModel(checked ? 1 : 0); });
}

void SettingPage::applyRights()
{
    Ui::Widget *ui = m_context.ui;
    const PermissionStore &rights = m_context.permissions;
    ui->factorResetBtn->setEnabled(rights.hasFunctionRight(PermissionStore::NetWork));
    ui->netWorkConfirmBtn->setEnabled(rights.hasFunctionRight(PermissionStore::NetWork));
    ui->DhcpSwitchCheck->setEnabled(rights.hasFunctionRight(PermissionStore::Dhcp));
    ui->IsNotNeedLoginCheck->setEnabled(rights.hasFunctionRight(PermissionStore::LoginFreeOption));
}

void SettingPage::showNetwork()
{
    Ui::Widget *ui = m_context.ui;
    DeviceState *state = DeviceState::instance();
    ui->IpEdit->setText(state->deviceAddress());
    ui->GateWayEdit->setText(state->gateway());
    ui->SubnetEdit->setText(state->subnetMask());
    ui->MacEdit->setText(state->macAddress());
}

void SettingPage::showLoginFree()
{
    SvgCheckBox *box = m_context.ui->IsNotNeedLoginCheck;
    {
        const QSignalBlocker blocker(box);
        box->setChecked(UserStore::loginModel() == 1);
    }
    showSwitchImage(box);
}

void SettingPage::setDhcpSwitch(bool on)
{
    SvgCheckBox *box = m_context.ui->DhcpSwitchCheck;
    const QSignalBlocker blocker(box);
    box->setChecked(on);
    showSwitchImage(box);
}

void SettingPage::confirmHttpOk()
{
    if (!m_networkChangePending)
        return;
    m_networkChangePending = false;
    DialogConfirm dialog(
        m_dialogParent, QCoreApplication::translate("Widget", "Network Changed"),
        QCoreApplication::translate("Widget",
                                    "The network has changed, please reboot the device immediately"));
    m_context.run(dialog);
}
