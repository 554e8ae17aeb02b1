#include "edidsettingdilog.h"

#include "devicestate.h"
#include "dialogconfirm.h"
#include "edidrules.h"
#include "messagedistance.h"
#include "msgdlg.h"
#include "uploadlink.h"

#include <QComboBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
constexpr int FrameWidth = 460;
constexpr int FrameHeight = 262;

QPushButton *button(const QString &name, const QString &text, QWidget *parent)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setMinimumSize(96, 30);
    b->setCursor(Qt::PointingHandCursor);
    b->setStyleSheet(DialogStyle::primaryButton());
    return b;
}
} // namespace

EdidSettingDilog::EdidSettingDilog(int inputPort, QWidget *parent)
    : FramelessDialog(parent, Kind::Normal, 35)
    , m_input(inputPort)
{
    closeButton()->setObjectName(QStringLiteral("btnClose"));
    setCloseAction([this] { on_btnClose_clicked(); });
    setTitle(tr("EDID Setting [Input%1]").arg(inputPort));
    buildForm();
    setFrameSize(QSize(FrameWidth, FrameHeight));
    UploadLink::dialogOpened();
}

EdidSettingDilog::~EdidSettingDilog()
{
    UploadLink::dialogClosed();
}

void EdidSettingDilog::buildForm()
{
    auto *content = new QWidget(frame());
    content->setStyleSheet(QStringLiteral("QLineEdit,QComboBox,QCheckBox,QRadioButton,QTableWidget,"
                                          "QHeaderView,QProgressBar{font-size:13px;}"
                                          "QGroupBox{font-size:13px;font-weight:bold;}"));
    content->setGeometry(0, TitleHeight, FrameWidth, FrameHeight - TitleHeight);
    auto *grid = new QGridLayout(content);
    grid->setContentsMargins(18, 14, 18, 16);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(12);

    m_outputs = new QComboBox(content);
    m_outputs->setObjectName(QStringLiteral("OutputList"));
    m_outputs->addItems(EdidRules::outputLabels(DeviceState::instance()->deviceType()));
    m_builtIn = new QComboBox(content);
    m_builtIn->setObjectName(QStringLiteral("EdidList"));
    m_builtIn->addItems(EdidRules::builtInNames());
    m_path = new QLineEdit(content);
    m_path->setObjectName(QStringLiteral("PathEdit"));
    m_path->setPlaceholderText(tr("EDID file (.bin)"));
    auto *browse = new QPushButton(tr("..."), content);
    browse->setObjectName(QStringLiteral("btnBrowse"));
    browse->setFixedSize(34, 30);
    browse->setStyleSheet(DialogStyle::secondaryButton());
    QPushButton *copy = button(QStringLiteral("btnCopy"), tr("Copy"), content);
    QPushButton *apply = button(QStringLiteral("btnAppInputEDID"), tr("Apply"), content);
    QPushButton *upload = button(QStringLiteral("UploadBtn"), tr("Upload"), content);
    m_status = new QLabel(content);
    m_status->setObjectName(QStringLiteral("lb_status"));
    m_status->setWordWrap(true);

    grid->addWidget(new QLabel(tr("Copy from output"), content), 0, 0);
    grid->addWidget(m_outputs, 0, 1, 1, 2);
    grid->addWidget(copy, 0, 3);
    grid->addWidget(new QLabel(tr("Built-in EDID"), content), 1, 0);
    grid->addWidget(m_builtIn, 1, 1, 1, 2);
    grid->addWidget(apply, 1, 3);
    grid->addWidget(new QLabel(tr("EDID file"), content), 2, 0);
    grid->addWidget(m_path, 2, 1);
    grid->addWidget(browse, 2, 2);
    grid->addWidget(upload, 2, 3);
    grid->addWidget(m_status, 3, 0, 1, 4);
    grid->setColumnStretch(1, 1);

    connect(copy, &QPushButton::clicked, this, &EdidSettingDilog::on_btnCopy_clicked);
    connect(apply, &QPushButton::clicked, this, &EdidSettingDilog::on_btnAppInputEDID_clicked);
    connect(upload, &QPushButton::clicked, this, &EdidSettingDilog::on_UploadBtn_clicked);
    connect(browse, &QPushButton::clicked, this, &EdidSettingDilog::on_btnBrowse_clicked);
    // Queued: the box must not run its loop inside the socket's own handler.
    connect(MessageDistance::instance(),
            &MessageDistance::si_osdUploadFinish,
            this,
            &EdidSettingDilog::showUploadFinished,
            Qt::QueuedConnection);
}

bool EdidSettingDilog::sendNow(const QString &command, const QString &done)
{
    MessageDistance *link = MessageDistance::instance();
    // The device answers nothing to the sender, so being written is all there is to tell.
    if (!link->isConnected()) {
        m_status->setText(tr("Not sent: the device is not connected"));
        return false;
    }
    link->sendData(command);
    m_status->setText(done);
    return true;
}

void EdidSettingDilog::showUploadFinished()
{
    if (!m_uploading)
        return;
    m_uploading = false;
    m_status->setText(tr("Uploading Finished"));
    DialogConfirm box(this, windowTitle(), tr("Uploading Finished"));
    if (m_runDialog)
        m_runDialog(box);
    else
        box.exec();
}

void EdidSettingDilog::on_btnClose_clicked()
{
    reject();
}

void EdidSettingDilog::on_btnCopy_clicked()
{
    sendNow(EdidRules::copyCommand(m_input, m_outputs->currentIndex()),
            tr("Sent: input %1 takes the EDID of %2").arg(m_input).arg(m_outputs->currentText()));
}

void EdidSettingDilog::on_btnAppInputEDID_clicked()
{
    sendNow(
        EdidRules::builtInCommand(m_input, m_builtIn->currentIndex()),
        tr("Sent: input %1 takes the built-in EDID %2").arg(m_input).arg(m_builtIn->currentText()));
}

void EdidSettingDilog::on_btnBrowse_clicked()
{
    const QString path = QFileDialog::getOpenFileName(
        this, tr("请选择更新文件"), QStringLiteral("/"), tr("支持文件 (*.bin);; 所有文件(*.*);;"));
    if (!path.isEmpty())
        m_path->setText(path);
}

void EdidSettingDilog::on_UploadBtn_clicked()
{
    const QString path = m_path->text();
    if (path.isEmpty())
        return;
    TitleOsdRules::Message refusal;
    const QByteArray bytes = EdidRules::readFile(path, &refusal);
    if (!refusal.isEmpty()) {
        showMessage(refusal);
        return;
    }
    UploadLink::open(this, [this, bytes](bool connected) {
        if (!connected) {
            showMessage(TitleOsdRules::portFailureMessage());
            return;
        }
        m_uploading = true;
        m_status->setText(tr("Uploading..."));
        UploadLink::send(EdidRules::announce(m_input), bytes);
    });
}

void EdidSettingDilog::showMessage(const TitleOsdRules::Message &message)
{
    MsgDlg box(this);
    box.setMessage(message.heading, message.text);
    Dialogs::run(m_runDialog, box);
}
