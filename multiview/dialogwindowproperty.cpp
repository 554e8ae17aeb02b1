#include "dialogwindowproperty.h"

#include "inputsignalwidget0409.h"

#include <QComboBox>
#include <QFormLayout>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {
constexpr int FrameWidth = 360;
constexpr int FrameHeight = 440;
constexpr int MaxDeviceValue = 99999;

QPushButton *button(const QString &text, const char *name, bool primary, QWidget *parent)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    b->setFixedHeight(30);
    b->setCursor(Qt::PointingHandCursor);
    b->setStyleSheet(primary ? DialogStyle::primaryButton() : DialogStyle::secondaryButton());
    return b;
}
} // namespace

DialogWindowProperty::DialogWindowProperty(InputSignalWidget0409 *window,
                                           const QMap<int, QString> &inputNames,
                                           QWidget *parent)
    : FramelessDialog(parent, Kind::Normal, 25)
    , m_window(window)
{
    setTitle(tr("Window Property"));
    setModal(true);
    const QRect device = window->deviceRect();

    auto *body = new QWidget(frame());
    body->setGeometry(0, TitleHeight, FrameWidth, FrameHeight - TitleHeight);
    body->setStyleSheet(QStringLiteral("QGroupBox{font-weight:bold;color:#338c56;}"));
    auto *layout = new QVBoxLayout(body);
    layout->setContentsMargins(16, 12, 16, 14);

    layout->addWidget(infoGroup(window, inputNames, body));
    layout->addWidget(geometryGroup(device, body));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    QPushButton *applyButton = button(tr("Apply"), "btn_apply", false, body);
    QPushButton *ok = button(tr("Confirm"), "btn_ok", true, body);
    QPushButton *cancel = button(tr("Cancel"), "btn_cancel", false, body);
    buttons->addWidget(applyButton);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    layout->addStretch(1);
    layout->addLayout(buttons);
    setFrameSize(QSize(FrameWidth, FrameHeight));

    connect(applyButton, &QPushButton::clicked, this, &DialogWindowProperty::apply);
    connect(ok, &QPushButton::clicked, this, [this] {
        apply();
        done(1);
    });
    connect(cancel, &QPushButton::clicked, this, [this] { done(0); });
}

QSpinBox *DialogWindowProperty::spinBox(const char *name, int value)
{
    auto *box = new QSpinBox(this);
    box->setObjectName(QLatin1String(name));
    box->setRange(0, MaxDeviceValue);
    box->setValue(value);
    return box;
}

void DialogWindowProperty::apply()
{
    if (!m_window)
        return;
    const QRect device(m_x->value(), m_y->value(), m_width->value(), m_height->value());
    const int index = m_source->currentIndex();
    const int input = index >= 0 && index <= 3 ? index + 1 : m_window->input();
    m_window->setDeviceRect(device);
    if (input == m_window->input()) {
        m_window->sendResize();
    } else {
        m_window->setInput(input, m_source->itemText(index));
        m_window->sendOpen();
    }
    // The window keeps inside the wall, so the device may get less than was typed: show that.
    const QRect sent = m_window->deviceRect();
    m_x->setValue(sent.x());
    m_y->setValue(sent.y());
    m_width->setValue(sent.width());
    m_height->setValue(sent.height());
}

QGroupBox *DialogWindowProperty::infoGroup(InputSignalWidget0409 *window,
                                           const QMap<int, QString> &inputNames,
                                           QWidget *body)
{
    auto *info = new QGroupBox(tr("Window Infomation"), body);
    auto *infoForm = new QFormLayout(info);
    m_id = new QLineEdit(QString::number(window->id()), info);
    m_id->setObjectName(QStringLiteral("le_id"));
    m_id->setReadOnly(true);
    m_layer = new QLineEdit(QString::number(window->layer()), info);
    m_layer->setObjectName(QStringLiteral("le_layer"));
    m_layer->setReadOnly(true);
    m_source = new QComboBox(info);
    m_source->setObjectName(QStringLiteral("cbb_source"));
    for (const QString &name : inputNames)
        m_source->addItem(name);
    m_source->setCurrentIndex(window->input() - 1);
    infoForm->addRow(tr("ID"), m_id);
    infoForm->addRow(tr("Layer"), m_layer);
    infoForm->addRow(tr("Source"), m_source);
    return info;
}

QWidget *DialogWindowProperty::geometryGroup(const QRect &device, QWidget *body)
{
    auto *box = new QWidget(body);
    auto *column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    auto *position = new QGroupBox(tr("Window Position"), box);
    auto *positionForm = new QFormLayout(position);
    m_x = spinBox("sb_x", device.x());
    m_y = spinBox("sb_y", device.y());
    positionForm->addRow(QStringLiteral("X"), m_x);
    positionForm->addRow(QStringLiteral("Y"), m_y);
    auto *size = new QGroupBox(tr("Window Size"), box);
    auto *sizeForm = new QFormLayout(size);
    m_width = spinBox("sb_width", device.width());
    m_height = spinBox("sb_height", device.height());
    sizeForm->addRow(tr("Width"), m_width);
    sizeForm->addRow(tr("Height"), m_height);
    column->addWidget(position);
    column->addWidget(size);
    return box;
}
