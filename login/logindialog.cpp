#include "logindialog.h"

#include "appsettings.h"
#include "devicestate.h"
#include "loginsettingdialog.h"
#include "messagedistance.h"
#include "svgwidgets.h"
#include "ui_logindialog.h"
#include "userstore.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace {
constexpr int FrameWidth = 600;
constexpr int FrameHeight = 340;
constexpr int FormWidth = 270;

QString fieldStyle()
{
    return QStringLiteral("QLineEdit{border:1px solid #cfd8d4;border-radius:4px;padding:0 10px;"
                          "color:#2c3e50;font-size:14px;background:#ffffff;}"
                          "QLineEdit:focus{border-color:#338c56;}");
}
} // namespace

LoginDialog::LoginDialog(QWidget *parent)
    : FramelessDialog(parent, Kind::Normal, 35)
{
    setWindowFlags(windowFlags() | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowMaximizeButtonHint);
    setWindowIcon(QIcon(QStringLiteral(":/Images/applogo.png")));
    setTitle(tr("LOGIN"));
    closeButton()->setObjectName(QStringLiteral("btnClose"));
    setCloseAction([this] { on_btnClose_clicked(); });

    addMinimizeButton();

    Ui::LoginDialog ui;
    ui.setupUi(frame());
    setFrameSize(QSize(FrameWidth, FrameHeight));
    ui.labelBackground->setSvg(QStringLiteral(":/Images/Loginbackgound.svg"));
    ui.labelTitle->setText(
        QStringLiteral("%1%2").arg(QStringLiteral("ZEL"), tr("系列视频切换软件")));
    ui.labelTitle->setStyleSheet(QStringLiteral("color:#338c56;font-size:15px;font-weight:bold;"));
    ui.labelSetting->setSvg(QStringLiteral(":/Images/debugandroidQtViewconfig.svg"));
    ui.settingBtn->setCursor(Qt::PointingHandCursor);
    ui.settingBtn->setStyleSheet(
        QStringLiteral("QPushButton{border:none;background:transparent;}"));
    connect(ui.settingBtn, &QPushButton::clicked, this, &LoginDialog::on_settingBtn_clicked);

    m_user = ui.usernameEdit;
    m_user->setStyleSheet(fieldStyle());
    m_password = ui.passwordEdit;
    m_password->setStyleSheet(fieldStyle());
    m_password->setTextMargins(0, 0, 30, 0);

    addPasswordToggle();

    m_remember = ui.checkBox_memory;
    // The switch image is 36 x 20; a square squeezed it into a clipped-looking stub.
    m_remember->setSvgIconSize(QSize(36, 20));
    m_remember->setLabelText(tr("Remember Password"));

    ui.btnLogin->setCursor(Qt::PointingHandCursor);
    ui.btnLogin->setStyleSheet(DialogStyle::primaryButton() +
                               QStringLiteral("QPushButton{font-size:15px;}"));
    connect(ui.btnLogin, &QPushButton::clicked, this, &LoginDialog::on_btnLogin_clicked);

    m_tip = ui.labelTip;
    m_tip->setStyleSheet(QStringLiteral("color:#d9534f;font-size:13px;"));

    m_messageTimer = new QTimer(this);
    m_messageTimer->setSingleShot(true);
    m_messageTimer->setInterval(MessageMs);
    connect(m_messageTimer, &QTimer::timeout, m_tip, &QLabel::clear);

    m_tip->clear();
    m_user->setText(AppSettings::instance()->username());
    if (UserStore::isRemember()) {
        m_remember->setChecked(true);
        m_password->setText(UserStore::rememberedPassword());
    }
    connectLink();
}

void LoginDialog::addMinimizeButton()
{
    auto *mini = new QPushButton(QStringLiteral("\u2013"), titleBar());
    mini->setObjectName(QStringLiteral("mini"));
    mini->setStyleSheet(QStringLiteral(
        "QPushButton{border:none;color:#ffffff;font-size:16px;background:transparent;}"
        "QPushButton:hover{background:#2a7447;}"));
    mini->setGeometry(FrameWidth - 53, 6, 24, 24);
    connect(mini, &QPushButton::clicked, this, &LoginDialog::on_mini_clicked);
}

// While the login is open, the link's outcome shows as its message.
void LoginDialog::connectLink()
{
    MessageDistance *link = MessageDistance::instance();
    connect(link, &MessageDistance::connectFailureSig, this, [this] {
        showMessage(tr("connect fail!"));
    });
    connect(link, &MessageDistance::connectSuccessFulSig, this, [this] {
        showMessage(tr("connect successful but software error!"));
    });
}

// The eye button inside the password field.
void LoginDialog::addPasswordToggle()
{
    m_showPassword = new QPushButton(m_password);
    m_showPassword->setObjectName(QStringLiteral("btnPasswordShow"));
    m_showPassword->setAutoDefault(false);
    m_showPassword->setCursor(Qt::PointingHandCursor);
    m_showPassword->setGeometry(FormWidth - 32, 6, 24, 24);
    m_showPassword->setStyleSheet(
        QStringLiteral("QPushButton{border:none;image:url(:/Images/login/Hide_pass.png);}"
                       "QPushButton:hover{image:url(:/Images/login/Show_Pass.png);}"));
    connect(m_showPassword, &QPushButton::clicked, this, &LoginDialog::togglePasswordShown);
}

QString LoginDialog::message() const
{
    return m_tip->text();
}

bool LoginDialog::isMessageTimerActive() const
{
    return m_messageTimer->isActive();
}

int LoginDialog::messageRemainingMs() const
{
    return m_messageTimer->remainingTime();
}

void LoginDialog::on_btnLogin_clicked()
{
    // Written before the check: a wrong password is remembered too, an unticked box
    // forgets the stored one.
    const bool remember = m_remember->isChecked();
    UserStore::setRemember(remember);
    if (remember)
        UserStore::setRememberedPassword(m_password->text());

    AppSettings *settings = AppSettings::instance();
    const DeviceState *state = DeviceState::instance();
    settings->setCurrentUser(m_user->text());
    settings->setNetwork(state->deviceAddress(), state->devicePort());
    settings->setUsername(m_user->text());
    settings->setType(state->deviceType());

    if (UserStore::checkLogin(m_user->text(), m_password->text())) {
        settings->setCurrentUserType(UserStore::userType(m_user->text()));
        accept();
        return;
    }
    showMessage(tr("username or password error!"));
}

void LoginDialog::showMessage(const QString &text)
{
    m_tip->setText(text);
    m_tip->setVisible(true);
    m_messageTimer->start();
}

void LoginDialog::togglePasswordShown()
{
    if (m_password->echoMode() == QLineEdit::Password) {
        m_password->setEchoMode(QLineEdit::Normal);
        m_showPassword->setStyleSheet(
            QStringLiteral("QPushButton{border:none;image:url(:/Images/login/Show_Pass.png);}"
                           "QPushButton:hover{image:url(:/Images/login/Hide_pass.png);}"));
    } else {
        m_password->setEchoMode(QLineEdit::Password);
        m_showPassword->setStyleSheet(
            QStringLiteral("QPushButton{border:none;image:url(:/Images/login/Hide_pass.png);}"
                           "QPushButton:hover{image:url(:/Images/login/Show_Pass.png);}"));
    }
}

void LoginDialog::on_settingBtn_clicked()
{
    LoginSettingDialog dialog(this, m_lockType);
    dialog.exec();
}

void LoginDialog::on_btnClose_clicked()
{
    reject();
}

void LoginDialog::on_mini_clicked()
{
    showMinimized();
}

void LoginDialog::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        on_btnLogin_clicked();
        event->accept();
        return;
    }
    // Not QDialog's handling: Escape must not close the login.
    QWidget::keyPressEvent(event); // NOLINT(bugprone-parent-virtual-call)
}
