#include "logindialog.h"

#include "appsettings.h"
#include "devicestate.h"
#include "loginsettingdialog.h"
#include "messagedistance.h"
#include "svgwidgets.h"
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
constexpr int FormX = 300;
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
    setWindowFlags(windowFlags() | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowMaximizeButtonHint);
    setWindowIcon(QIcon(QStringLiteral(":/Images/applogo.png")));
    setTitle(tr("LOGIN"));
    setFrameSize(QSize(FrameWidth, FrameHeight));
    closeButton()->setObjectName(QStringLiteral("btnClose"));
    disconnect(closeButton(), nullptr, this, nullptr);
    connect(closeButton(), &QPushButton::clicked, this, &LoginDialog::on_btnClose_clicked);

    auto *mini = new QPushButton(QStringLiteral("\u2013"), titleBar());
    mini->setObjectName(QStringLiteral("mini"));
    mini->setStyleSheet(QStringLiteral("QPushButton{border:none;color:#ffffff;font-size:16px;background:transparent;}"
                                       "QPushButton:hover{background:#2a7447;}"));
    mini->setGeometry(FrameWidth - 53, 6, 24, 24);
    connect(mini, &QPushButton::clicked, this, &LoginDialog::on_mini_clicked);

    auto *background = new SvgLabel(frame());
    background->setObjectName(QStringLiteral("labelBackground"));
    background->setSvg(QStringLiteral(":/Images/Loginbackgound.svg"));
    background->setGeometry(0, TitleHeight, 270, FrameHeight - TitleHeight - 6);

    auto *heading = new QLabel(QStringLiteral("%1%2").arg(QStringLiteral("ZEL"), tr("系列视频切换软件")), frame());
    heading->setObjectName(QStringLiteral("labelTitle"));
    heading->setStyleSheet(QStringLiteral("color:#338c56;font-size:18px;font-weight:bold;"));
    heading->setGeometry(FormX, 56, FormWidth, 32);

    auto *gear = new SvgLabel(frame());
    gear->setObjectName(QStringLiteral("labelSetting"));
    gear->setSvg(QStringLiteral(":/Images/debugandroidQtViewconfig.svg"));
    gear->setGeometry(FormX + FormWidth - 22, 62, 20, 20);
    auto *settings = new QPushButton(frame());
    settings->setObjectName(QStringLiteral("settingBtn"));
    settings->setFlat(true);
    settings->setAutoDefault(false);
    settings->setCursor(Qt::PointingHandCursor);
    settings->setStyleSheet(QStringLiteral("QPushButton{border:none;background:transparent;}"));
    settings->setGeometry(FormX + FormWidth - 24, 60, 24, 24);
    connect(settings, &QPushButton::clicked, this, &LoginDialog::on_settingBtn_clicked);

    m_user = new QLineEdit(frame());
    m_user->setObjectName(QStringLiteral("usernameEdit"));
    m_user->setPlaceholderText(tr("UserName"));
    m_user->setStyleSheet(fieldStyle());
    m_user->setGeometry(FormX, 104, FormWidth, 36);

    m_password = new QLineEdit(frame());
    m_password->setObjectName(QStringLiteral("passwordEdit"));
    m_password->setPlaceholderText(tr("PassWord"));
    m_password->setEchoMode(QLineEdit::Password);
    m_password->setStyleSheet(fieldStyle());
    m_password->setGeometry(FormX, 152, FormWidth, 36);
    m_password->setTextMargins(0, 0, 30, 0);

    m_showPassword = new QPushButton(m_password);
    m_showPassword->setObjectName(QStringLiteral("btnPasswordShow"));
    m_showPassword->setAutoDefault(false);
    m_showPassword->setCursor(Qt::PointingHandCursor);
    m_showPassword->setGeometry(FormWidth - 32, 6, 24, 24);
    m_showPassword->setStyleSheet(QStringLiteral(
        "QPushButton{border:none;image:url(:/Images/login/Hide_pass.png);}"
        "QPushButton:hover{image:url(:/Images/login/Show_Pass.png);}"));
    connect(m_showPassword, &QPushButton::clicked, this, &LoginDialog::togglePasswordShown);

    m_remember = new SvgCheckBox(frame());
    m_remember->setObjectName(QStringLiteral("checkBox_memory"));
    m_remember->setSvgIconSize(QSize(24, 24));
    m_remember->setLabelText(tr("Remember Password"));
    m_remember->setGeometry(FormX, 198, 180, 26);

    auto *login = new QPushButton(tr("Login"), frame());
    login->setObjectName(QStringLiteral("btnLogin"));
    login->setAutoDefault(false);
    login->setCursor(Qt::PointingHandCursor);
    login->setStyleSheet(DialogStyle::primaryButton() + QStringLiteral("QPushButton{font-size:15px;}"));
    login->setGeometry(FormX, 236, FormWidth, 38);
    connect(login, &QPushButton::clicked, this, &LoginDialog::on_btnLogin_clicked);

    m_tip = new QLabel(frame());
    m_tip->setObjectName(QStringLiteral("labelTip"));
    m_tip->setStyleSheet(QStringLiteral("color:#d9534f;font-size:13px;"));
    m_tip->setAlignment(Qt::AlignCenter);
    m_tip->setGeometry(FormX, 284, FormWidth, 26);

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

    MessageDistance *link = MessageDistance::instance();
    connect(link, &MessageDistance::connectFailureSig, this, [this] { showMessage(tr("connect fail!")); });
    connect(link, &MessageDistance::connectSuccessFulSig, this,
            [this] { showMessage(tr("connect successful but software error!")); });
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
        m_showPassword->setStyleSheet(QStringLiteral(
            "QPushButton{border:none;image:url(:/Images/login/Show_Pass.png);}"
            "QPushButton:hover{image:url(:/Images/login/Hide_pass.png);}"));
    } else {
        m_password->setEchoMode(QLineEdit::Password);
        m_showPassword->setStyleSheet(QStringLiteral(
            "QPushButton{border:none;image:url(:/Images/login/Hide_pass.png);}"
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
    QWidget::keyPressEvent(event);
}
