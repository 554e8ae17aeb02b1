#include "tableitemwidget.h"

#include "portnamelabel.h"

#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QHash>
#include <QIcon>
#include <QLabel>
#include <QVBoxLayout>
#include <QVariant>

namespace {

void showIcon(QLabel *label, const QString &path)
{
    // Redrawing a cell happens on every routing change; rendering the SVG again is the
    // costly part, so an unchanged icon is left as it is.
    if (label->property("iconPath").toString() == path)
        return;
    label->setProperty("iconPath", path);
    // One rendering per icon for the whole process: a fresh QIcon per cell filled the
    // pixmap cache again on every grid rebuild.
    static QHash<QString, QPixmap> rendered;
    auto it = rendered.find(path);
    if (it == rendered.end())
        it = rendered.insert(path, QIcon(path).pixmap(16, 16));
    label->setPixmap(it.value());
}

const char *const cellStyle =
    "QWidget#outportWidget{background:%1;border:%5px solid rgba(51,140,86,128);border-top:none;} "
    "QWidget#outportWidget:disabled { background:rgb(159,159,159); } "
    "QLabel#OutputName{color:%2;font-family:\"Microsoft YaHei\";font-weight:bold;} "
    "QWidget#widget_2{ background:%3;border:%5px solid rgba(51,140,86,128);border-bottom:none;} "
    "QWidget#widget_2:disabled { background:rgb(221,222,219); } "
    "QLabel#InputName{color:%4;font-family:\"Microsoft YaHei\";font-weight:bold;}";

} // namespace

TableItemWidget::TableItemWidget(QWidget *parent)
    : QWidget(parent)
{
    auto *top = new QWidget(this);
    top->setObjectName(QStringLiteral("widget_2"));
    top->setAttribute(Qt::WA_StyledBackground);
    m_inputName = new PortNameLabel(top);
    m_inputName->setObjectName(QStringLiteral("InputName"));
    m_inputName->setAlignment(Qt::AlignCenter);
    auto *topLayout = new QVBoxLayout(top);
    topLayout->setContentsMargins(2, 2, 2, 2);
    topLayout->addWidget(m_inputName);
    m_pendingName = new PortNameLabel(top);
    m_pendingName->setObjectName(QStringLiteral("PendingName"));
    m_pendingName->setAlignment(Qt::AlignCenter);
    m_pendingName->setStyleSheet(
        QStringLiteral("QLabel#PendingName{color:#b36b00;font-weight:bold;background:#fff3d6;}"));
    m_pendingName->hide();
    topLayout->addWidget(m_pendingName);

    auto *bottom = new QWidget(this);
    bottom->setObjectName(QStringLiteral("outportWidget"));
    bottom->setAttribute(Qt::WA_StyledBackground);
    m_outputName = new PortNameLabel(bottom);
    m_outputName->setObjectName(QStringLiteral("OutputName"));
    m_outputName->setAlignment(Qt::AlignCenter);
    m_pauseIcon = new QLabel(bottom);
    m_lockIcon = new QLabel(bottom);
    m_hdmiIcon = new QLabel(bottom);
    m_muteIcon = new QLabel(bottom);
    m_pauseIcon->setObjectName(QStringLiteral("pauseIcon"));
    m_lockIcon->setObjectName(QStringLiteral("lockIcon"));
    m_hdmiIcon->setObjectName(QStringLiteral("hdmiIcon"));
    m_muteIcon->setObjectName(QStringLiteral("muteIcon"));
    // The lock is driven from the port menu only.
    m_lockIcon->hide();
    m_lockIcon->setEnabled(false);
    auto *icons = new QHBoxLayout;
    icons->addStretch();
    for (QLabel *l : {m_pauseIcon, m_lockIcon, m_hdmiIcon, m_muteIcon}) {
        // A 16 px icon in a 20 px target: easier to hit than the bare pixmap.
        l->setFixedSize(20, 20);
        l->setAlignment(Qt::AlignCenter);
        icons->addWidget(l);
    }
    icons->addStretch();
    auto *bottomLayout = new QVBoxLayout(bottom);
    bottomLayout->setContentsMargins(2, 2, 2, 2);
    bottomLayout->addWidget(m_outputName);
    bottomLayout->addLayout(icons);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(top);
    layout->addWidget(bottom);

    // Drawn over the whole cell, so the outline reads on every grid's colours.
    m_pendingFrame = new QFrame(this);
    m_pendingFrame->setObjectName(QStringLiteral("pendingFrame"));
    m_pendingFrame->setStyleSheet(
        QStringLiteral("QFrame#pendingFrame{border:3px solid #f0a000;background:transparent;}"));
    m_pendingFrame->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_pendingFrame->hide();

    m_pauseIcon->installEventFilter(this);
    m_muteIcon->installEventFilter(this);
    setFrozen(false);
    setHdmiLink(false);
    setMuted(false);
    applyColours(QStringLiteral("rgb(240,241,236)"),
                 QStringLiteral("#2c3e50"),
                 QStringLiteral("rgb(239,239,239)"),
                 QStringLiteral("#2c3e50"),
                 1);
}

void TableItemWidget::setOutputText(const QString &text)
{
    m_outputName->setText(text);
}
void TableItemWidget::setInputText(const QString &text)
{
    m_inputName->setText(text);
}
QString TableItemWidget::outputText() const
{
    return m_outputName->text();
}
QString TableItemWidget::inputText() const
{
    return m_inputName->text();
}

void TableItemWidget::setPendingText(const QString &text)
{
    m_pendingName->setText(text);
    m_pendingName->setVisible(!text.isEmpty());
    m_pendingFrame->setVisible(!text.isEmpty());
    m_pendingFrame->setGeometry(rect());
    m_pendingFrame->raise();
}

QString TableItemWidget::pendingText() const
{
    return m_pendingName->text();
}

void TableItemWidget::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_pendingFrame->setGeometry(rect());
}

void TableItemWidget::setFrozen(bool frozen)
{
    m_frozen = frozen;
    showIcon(m_pauseIcon,
             frozen ? QStringLiteral(":/Images/pause_2c3e50.svg")
                    : QStringLiteral(":/Images/play_4caf50.svg"));
    m_pauseIcon->setToolTip(frozen ? tr("Frozen: click to play the picture again")
                                   : tr("Playing: click to freeze the picture"));
}

void TableItemWidget::setHdmiLink(bool link)
{
    m_hdmiLink = link;
    showIcon(m_hdmiIcon,
             link ? QStringLiteral(":/Images/hdmi_4caf50.svg")
                  : QStringLiteral(":/Images/hdmi_2c3e50.svg"));
    m_hdmiIcon->setToolTip(link ? tr("A display is connected") : tr("No display connected"));
}

void TableItemWidget::setMuted(bool muted)
{
    m_muted = muted;
    showIcon(m_muteIcon,
             muted ? QStringLiteral(":/Images/mute_2c3e50.svg")
                   : QStringLiteral(":/Images/unmute_4caf50.svg"));
    m_muteIcon->setToolTip(muted ? tr("Muted: click to show the picture again")
                                 : tr("Click to mute the picture"));
}

void TableItemWidget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        setFrozen(m_frozen);
        setHdmiLink(m_hdmiLink);
        setMuted(m_muted);
    }
    QWidget::changeEvent(event);
}

void TableItemWidget::setCellLocked(bool locked)
{
    m_cellLocked = locked;
    setEnabled(!locked);
}

void TableItemWidget::setIconsVisible(bool visible)
{
    m_iconsVisible = visible;
    for (QLabel *l : {m_pauseIcon, m_hdmiIcon, m_muteIcon})
        l->setVisible(visible);
}

void TableItemWidget::setPauseAllowed(bool allowed)
{
    m_pauseIcon->setEnabled(allowed);
}
void TableItemWidget::setMuteAllowed(bool allowed)
{
    m_muteIcon->setEnabled(allowed);
}

void TableItemWidget::applyColours(const QString &outputBackground,
                                   const QString &outputText,
                                   const QString &inputBackground,
                                   const QString &inputText,
                                   int border)
{
    setStyleSheet(QString::fromLatin1(cellStyle)
                      .arg(outputBackground, outputText, inputBackground, inputText)
                      .arg(border));
}

bool TableItemWidget::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        auto *label = qobject_cast<QLabel *>(watched);
        if (label && label->isEnabled() && isEnabled() && m_iconsVisible) {
            if (label == m_pauseIcon) {
                setFrozen(!m_frozen);
                emit si_click_pause(m_frozen);
                return true;
            }
            if (label == m_muteIcon) {
                setMuted(!m_muted);
                emit si_click_mute(m_muted);
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}
