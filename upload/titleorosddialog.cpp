#include "titleorosddialog.h"

#include "captionbitmap.h"
#include "captionstore.h"
#include "devicestate.h"
#include "dialogconfirm.h"
#include "edidrules.h"
#include "messagedistance.h"
#include "msgdlg.h"
#include "uploadlink.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
constexpr int FrameWidth = 700;
constexpr int FrameHeight = 560;

QString colourStyle(int r, int g, int b)
{
    return QStringLiteral("QToolButton{background-color:rgb(") +
           QStringLiteral("%1,%2,%3").arg(r).arg(g).arg(b) +
           QStringLiteral(");border:1px solid #9aa8a2;border-radius:3px;}");
}

QPushButton *button(const QString &name, const QString &text, bool primary, QWidget *parent)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setMinimumHeight(30);
    b->setCursor(Qt::PointingHandCursor);
    b->setStyleSheet(primary ? DialogStyle::primaryButton() : DialogStyle::secondaryButton());
    return b;
}
// A coordinate field, 0 to 9999.
QLineEdit *positionEdit(const QString &name, QWidget *parent)
{
    auto *edit = new QLineEdit(QStringLiteral("0"), parent);
    edit->setObjectName(name);
    edit->setValidator(new QIntValidator(0, 9999, edit));
    edit->setFixedWidth(70);
    return edit;
}

// Every installed family, the default one chosen.
QComboBox *fontFamilies(QWidget *parent)
{
    auto *families = new QComboBox(parent);
    families->setObjectName(QStringLiteral("FontCombo"));
    families->addItems(QFontDatabase().families());
    // The family may be missing on this system; the list then keeps its first entry.
    const int preferred = families->findText(TitleOsdRules::defaultFontFamily());
    if (preferred >= 0)
        families->setCurrentIndex(preferred);
    return families;
}

} // namespace

TitleOrOsdDialog::TitleOrOsdDialog(int port, QWidget *parent)
    : FramelessDialog(parent, Kind::Normal, 35)
    , m_port(port)
{
    closeButton()->setObjectName(QStringLiteral("btnClose"));
    setCloseAction([this] { on_btnClose_clicked(); });
    buildForm();
    setFrameSize(QSize(FrameWidth, FrameHeight));
    connectLink();
    fillFromStoredRow();
    UploadLink::dialogOpened();
}

TitleOrOsdDialog::~TitleOrOsdDialog()
{
    UploadLink::dialogClosed();
}

void TitleOrOsdDialog::buildForm()
{
    auto *content = new QWidget(frame());
    content->setStyleSheet(QStringLiteral("QLineEdit,QComboBox,QCheckBox,QRadioButton,QTableWidget,"
                                          "QHeaderView,QProgressBar{font-size:13px;}"
                                          "QGroupBox{font-size:13px;font-weight:bold;}"));
    content->setGeometry(0, TitleHeight, FrameWidth, FrameHeight - TitleHeight);
    auto *layout = new QVBoxLayout(content);
    layout->setContentsMargins(16, 10, 16, 14);
    layout->setSpacing(10);
    layout->addWidget(buildTextGroup());
    layout->addWidget(buildDisplayGroup());

    m_progress = new QProgressBar(content);
    m_progress->setObjectName(QStringLiteral("progressBar"));
    m_progress->setRange(0, 100);
    m_progress->setValue(0);
    m_ok = button(QStringLiteral("OkBtn"), tr("OK"), true, content);
    m_ok->setFixedWidth(90);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(m_progress, 1);
    bottom->addSpacing(20);
    bottom->addWidget(m_ok);
    layout->addLayout(bottom);
    connect(m_ok, &QPushButton::clicked, this, &TitleOrOsdDialog::on_OkBtn_clicked);
}

QWidget *TitleOrOsdDialog::buildTextGroup()
{
    auto *group = new QGroupBox(isOsd() ? tr("OSD Content") : tr("Caption Content"));
    auto *grid = new QGridLayout(group);
    m_text = new QLineEdit(group);
    m_text->setObjectName(QStringLiteral("TextEdit"));
    m_text->setPlaceholderText(tr("Text to show"));
    m_family = fontFamilies(group);
    m_size = new QComboBox(group);
    m_size->setObjectName(QStringLiteral("FontSizeCombo"));
    m_size->addItems(TitleOsdRules::fontSizes(m_port));
    m_size->setCurrentText(TitleOsdRules::defaultFontSize(m_port));
    m_bold = new QCheckBox(tr("Bold"), group);
    m_bold->setObjectName(QStringLiteral("BoldCheck"));
    m_italic = new QCheckBox(tr("Italic"), group);
    m_italic->setObjectName(QStringLiteral("ItalicCheck"));
    m_underline = new QCheckBox(tr("Underline"), group);
    m_underline->setObjectName(QStringLiteral("UnderlineCheck"));
    m_uploadChar = button(QStringLiteral("uploadCharBtn"), tr("Upload Text"), true, group);
    m_imagePath = new QLineEdit(group);
    m_imagePath->setObjectName(QStringLiteral("ImagePathEdit"));
    m_imagePath->setPlaceholderText(tr("Image file"));
    m_browse = button(QStringLiteral("BrowserBtn"), tr("Browse"), false, group);
    m_uploadImg = button(QStringLiteral("uploadImgBtn"), tr("Upload Image"), true, group);
    m_outputLabel = new QLabel(tr("Output"), group);
    m_output = new QComboBox(group);
    m_output->setObjectName(QStringLiteral("OutputCombo"));
    for (int port = 1; port <= EdidRules::outputCount(DeviceState::instance()->deviceType());
         ++port)
        m_output->addItem(QStringLiteral("Out%1").arg(port), port);
    m_outputLabel->setVisible(!isOsd());
    m_output->setVisible(!isOsd());

    auto *styles = new QHBoxLayout;
    styles->addWidget(m_family, 1);
    styles->addWidget(m_size);
    styles->addWidget(m_bold);
    styles->addWidget(m_italic);
    styles->addWidget(m_underline);
    grid->addWidget(new QLabel(tr("Text"), group), 0, 0);
    grid->addWidget(m_text, 0, 1, 1, 2);
    grid->addWidget(new QLabel(tr("Font"), group), 1, 0);
    grid->addLayout(styles, 1, 1);
    grid->addWidget(m_uploadChar, 1, 2);
    grid->addWidget(new QLabel(tr("Image"), group), 2, 0);
    auto *image = new QHBoxLayout;
    image->addWidget(m_imagePath, 1);
    image->addWidget(m_browse);
    grid->addLayout(image, 2, 1);
    grid->addWidget(m_uploadImg, 2, 2);
    grid->addWidget(m_outputLabel, 3, 0);
    grid->addWidget(m_output, 3, 1, Qt::AlignLeft);
    grid->setColumnStretch(1, 1);

    connect(m_uploadChar, &QPushButton::clicked, this, &TitleOrOsdDialog::on_uploadCharBtn_clicked);
    connect(m_uploadImg, &QPushButton::clicked, this, &TitleOrOsdDialog::on_uploadImgBtn_clicked);
    connect(m_browse, &QPushButton::clicked, this, &TitleOrOsdDialog::on_BrowserBtn_clicked);
    return group;
}

QWidget *TitleOrOsdDialog::buildDisplayGroup()
{
    auto *group = new QGroupBox(tr("Display"));
    auto *grid = new QGridLayout(group);
    m_show = new QCheckBox(tr("Show"), group);
    m_show->setObjectName(QStringLiteral("IsShowCheck"));
    m_bgSwitch = new QCheckBox(tr("Background"), group);
    m_bgSwitch->setObjectName(QStringLiteral("BgColorSwitch"));
    m_colour = new QToolButton(group);
    m_colour->setObjectName(QStringLiteral("ColorSetting"));
    m_bgColour = new QToolButton(group);
    m_bgColour->setObjectName(QStringLiteral("BgColorSetting"));
    for (QToolButton *b : {m_colour, m_bgColour}) {
        b->setFixedSize(46, 22);
        b->setStyleSheet(colourStyle(255, 255, 255));
    }
    m_left = new QRadioButton(tr("Left"), group);
    m_left->setObjectName(QStringLiteral("LeftBtn"));
    m_right = new QRadioButton(tr("Right"), group);
    m_right->setObjectName(QStringLiteral("RightBtn"));
    m_direction = new QButtonGroup(this);
    m_direction->addButton(m_left, 0);
    m_direction->addButton(m_right, 1);
    m_left->setChecked(true);
    m_speed = new QSlider(Qt::Horizontal, group);
    m_speed->setObjectName(QStringLiteral("speedSplider"));
    m_speed->setRange(1, 10);
    m_speedValue = new QLabel(QString::number(m_speed->value()), group);
    m_speedValue->setObjectName(QStringLiteral("speedLabel"));
    m_speedValue->setMinimumWidth(24);
    m_x = positionEdit(QStringLiteral("PosXEdit"), group);
    m_y = positionEdit(QStringLiteral("PosYEdit"), group);
    m_erase = button(QStringLiteral("EraseBtn"), tr("Erase"), false, group);

    grid->addWidget(m_show, 0, 0);
    grid->addWidget(new QLabel(tr("Text Colour"), group), 0, 1);
    grid->addWidget(m_colour, 0, 2);
    grid->addWidget(m_bgSwitch, 0, 3);
    grid->addWidget(new QLabel(tr("Background Colour"), group), 0, 4);
    grid->addWidget(m_bgColour, 0, 5);
    grid->addWidget(new QLabel(tr("Direction"), group), 1, 0);
    auto *direction = new QHBoxLayout;
    direction->addWidget(m_left);
    direction->addWidget(m_right);
    grid->addLayout(direction, 1, 1, 1, 2);
    grid->addWidget(new QLabel(tr("Speed"), group), 1, 3);
    auto *speed = new QHBoxLayout;
    speed->addWidget(m_speed, 1);
    speed->addWidget(m_speedValue);
    grid->addLayout(speed, 1, 4, 1, 2);
    grid->addWidget(new QLabel(tr("Position X"), group), 2, 0);
    grid->addWidget(m_x, 2, 1, 1, 2);
    grid->addWidget(new QLabel(tr("Position Y"), group), 2, 3);
    grid->addWidget(m_y, 2, 4);
    grid->addWidget(m_erase, 2, 5);
    grid->setColumnStretch(4, 1);
    connectDisplayGroup();
    return group;
}

void TitleOrOsdDialog::connectDisplayGroup()
{
    connect(m_show, &QCheckBox::toggled, this, &TitleOrOsdDialog::on_IsShowCheck_toggled);
    connect(m_bgSwitch, &QCheckBox::toggled, this, &TitleOrOsdDialog::on_BgColorSwitch_toggled);
    connect(m_colour, &QToolButton::clicked, this, &TitleOrOsdDialog::on_ColorSetting_clicked);
    connect(m_bgColour, &QToolButton::clicked, this, &TitleOrOsdDialog::on_BgColorSetting_clicked);
    connect(m_direction, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked)
            directionButtonClicked(id, checked);
    });
    connect(
        m_speed, &QSlider::valueChanged, m_speedValue, [this](int v) { m_speedValue->setNum(v); });
    connect(
        m_speed, &QSlider::sliderReleased, this, &TitleOrOsdDialog::on_speedSplider_sliderReleased);
    connect(m_x, &QLineEdit::editingFinished, this, &TitleOrOsdDialog::sendPosition);
    connect(m_y, &QLineEdit::editingFinished, this, &TitleOrOsdDialog::sendPosition);
    connect(m_erase, &QPushButton::clicked, this, &TitleOrOsdDialog::on_EraseBtn_clicked);
}

void TitleOrOsdDialog::connectLink()
{
    MessageDistance *link = MessageDistance::instance();
    connect(link, &MessageDistance::receiveTitleImfSig, this, &TitleOrOsdDialog::fillFromRecord);
    connect(link, &MessageDistance::si_setDisableUiObject, this, [this](bool isToDisable) {
        setFormEnabled(!isToDisable);
    });
    connect(link, &MessageDistance::si_updateProgressVal, this, &TitleOrOsdDialog::onProgress);
    // Queued: the box must not run its loop inside the socket's own handler.
    connect(link,
            &MessageDistance::si_osdUploadFinish,
            this,
            &TitleOrOsdDialog::showFinished,
            Qt::QueuedConnection);
}

void TitleOrOsdDialog::fillFromStoredRow()
{
    const QMap<int, CaptionRow> rows = CaptionStore::loadRows();
    if (!rows.contains(m_port))
        return;
    const CaptionRow row = rows.value(m_port);
    m_text->setText(row.content);
    if (m_family->findText(row.font) < 0)
        m_family->addItem(row.font);
    m_family->setCurrentText(row.font);
    if (m_size->findText(QString::number(row.fontSize)) >= 0)
        m_size->setCurrentText(QString::number(row.fontSize));
    m_bold->setChecked(row.bold);
    m_italic->setChecked(row.italic);
    m_underline->setChecked(row.underline);
}

CaptionRow TitleOrOsdDialog::currentRow() const
{
    CaptionRow row;
    row.port = m_port;
    row.content = m_text->text();
    row.font = m_family->currentText();
    row.fontSize = m_size->currentText().toInt();
    row.bold = m_bold->isChecked();
    row.italic = m_italic->isChecked();
    row.underline = m_underline->isChecked();
    return row;
}

void TitleOrOsdDialog::fillFromRecord(const QJsonObject &record)
{
    const CaptionSettings c = TitleOsdRules::fromRecord(record);
    const QSignalBlocker show(m_show), bg(m_bgSwitch), speed(m_speed), direction(m_direction);
    m_show->setChecked(c.switchOn);
    m_bgSwitch->setChecked(c.bgSwitchOn);
    m_speed->setValue(c.speed);
    m_speedValue->setNum(m_speed->value());
    m_colour->setStyleSheet(QStringLiteral("background:rgb(%1)").arg(c.color));
    m_bgColour->setStyleSheet(QStringLiteral("background:rgb(%1)").arg(c.bgColor));
    m_x->setText(QString::number(c.x));
    m_y->setText(QString::number(c.y));
    (c.direction == QLatin1String("right") ? m_right : m_left)->setChecked(true);
}

void TitleOrOsdDialog::setFormEnabled(bool enabled)
{
    for (QWidget *w : std::initializer_list<QWidget *>{m_text,
                                                       m_family,
                                                       m_size,
                                                       m_bold,
                                                       m_italic,
                                                       m_underline,
                                                       m_uploadChar,
                                                       m_imagePath,
                                                       m_browse,
                                                       m_uploadImg,
                                                       m_output})
        w->setEnabled(enabled);
}

void TitleOrOsdDialog::on_btnClose_clicked()
{
    reject();
}

void TitleOrOsdDialog::on_OkBtn_clicked()
{
    accept();
}

void TitleOrOsdDialog::pickColour(QToolButton *button, bool background)
{
    QColorDialog dialog(this);
    dialog.setWindowTitle(tr("Select Color"));
    if (runDialog(dialog) != QDialog::Accepted)
        return;
    const QColor c = dialog.currentColor();
    button->setStyleSheet(colourStyle(c.red(), c.green(), c.blue()));
    if (background)
        MessageDistance::instance()->sendBgColor(c.red(), c.green(), c.blue());
    else
        MessageDistance::instance()->sendFontColor(c.red(), c.green(), c.blue());
}

void TitleOrOsdDialog::on_ColorSetting_clicked()
{
    pickColour(m_colour, false);
}

void TitleOrOsdDialog::on_BgColorSetting_clicked()
{
    pickColour(m_bgColour, true);
}

void TitleOrOsdDialog::on_BrowserBtn_clicked()
{
    const QString path = QFileDialog::getOpenFileName(
        this,
        tr("请选择图片路径"),
        QString(),
        tr("支持图片文件 (*.bmp *.png *.jpg *.jpeg *.tga *.tiff);; 所有文件(*.*);;"));
    if (!path.isEmpty())
        m_imagePath->setText(path);
}

void TitleOrOsdDialog::on_speedSplider_sliderReleased()
{
    MessageDistance::instance()->sendSpeed(m_speed->value());
}

void TitleOrOsdDialog::on_IsShowCheck_toggled(bool checked)
{
    MessageDistance::instance()->sendCaptionOpen(checked);
}

void TitleOrOsdDialog::on_BgColorSwitch_toggled(bool checked)
{
    MessageDistance::instance()->sendBgOpen(checked);
}

void TitleOrOsdDialog::directionButtonClicked(int id, bool bSet)
{
    Q_UNUSED(bSet)
    const QString command = TitleOsdRules::directionCommand(id);
    if (!command.isEmpty())
        MessageDistance::instance()->sendData(command);
}

void TitleOrOsdDialog::sendPosition()
{
    MessageDistance::instance()->sendPosition(m_x->text().toInt(), m_y->text().toInt());
}

void TitleOrOsdDialog::on_EraseBtn_clicked()
{
    MessageDistance::instance()->sendEraseOsd();
    MessageDistance::instance()->sendEraseSubtitle();
}

void TitleOrOsdDialog::on_uploadCharBtn_clicked()
{
    const QString text = m_text->text();
    if (text.isEmpty())
        return;
    CaptionStore::saveRow(currentRow());
    const CaptionRow row = currentRow();
    QString error;
    const QImage rendered = CaptionBitmap::renderText(
        text,
        TitleOsdRules::font(row.font, row.fontSize, row.bold, row.italic, row.underline),
        &error);
    if (rendered.isNull()) {
        showMessage({tr("error"), error});
        return;
    }
    const QString path = CaptionBitmap::saveWorkingFile(CaptionBitmap::WorkingFile::RenderedText,
                                                        CaptionBitmap::toMonochrome(rendered));
    uploadBitmapFile(path, true);
}

void TitleOrOsdDialog::on_uploadImgBtn_clicked()
{
    const QString source = m_imagePath->text().trimmed();
    if (source.isEmpty())
        return;
    QString error;
    const QImage image = CaptionBitmap::loadImageFile(source, &error);
    if (image.isNull()) {
        showMessage({tr("error"), error});
        return;
    }
    const QString path = CaptionBitmap::saveWorkingFile(CaptionBitmap::WorkingFile::ConvertedImage,
                                                        CaptionBitmap::toMonochrome(image));
    uploadBitmapFile(path, false);
}

void TitleOrOsdDialog::uploadBitmapFile(const QString &path, bool fromText)
{
    const qint64 size = path.isEmpty() ? 0 : QFileInfo(path).size();
    const TitleOsdRules::Message refusal =
        TitleOsdRules::checkBitmapSize(size, fromText ? m_port : TitleOsdRules::CaptionPort);
    if (!refusal.isEmpty()) {
        showMessage(refusal);
        return;
    }
    startUpload(CaptionBitmap::bmpBytes(QImage(path)));
}

void TitleOrOsdDialog::startUpload(const QByteArray &bitmap)
{
    if (bitmap.isEmpty()) {
        showMessage(TitleOsdRules::emptyFileMessage());
        return;
    }
    setFormEnabled(false);
    UploadLink::open(this, [this, bitmap](bool connected) {
        if (!connected) {
            showMessage(TitleOsdRules::portFailureMessage());
            setFormEnabled(true);
            return;
        }
        m_totalBytes = bitmap.size();
        m_progress->setValue(0);
        UploadLink::send(TitleOsdRules::announce(m_port, m_output->currentData().toInt()), bitmap);
    });
}

void TitleOrOsdDialog::onProgress(int packNum)
{
    m_progress->setValue(TitleOsdRules::progress(m_totalBytes, packNum));
}

void TitleOrOsdDialog::showFinished()
{
    m_progress->setValue(100);
    DialogConfirm box(this, windowTitle(), tr("Uploading Finished"));
    runDialog(box);
}

void TitleOrOsdDialog::showMessage(const TitleOsdRules::Message &message)
{
    MsgDlg box(this);
    box.setMessage(message.heading, message.text);
    runDialog(box);
}

int TitleOrOsdDialog::runDialog(QDialog &dialog)
{
    return Dialogs::run(m_runDialog, dialog);
}
