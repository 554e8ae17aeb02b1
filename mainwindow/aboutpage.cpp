#include "aboutpage.h"
#include "ui_widget.h"

#include "devicestate.h"

#include <QCoreApplication>
#include <QHBoxLayout>

namespace AboutPage {

namespace {
const char *const SoftwareVersion = "V2.1.0(241212)";
const char *const ReleaseText = "r1";

// A caption left of a value label, the pair centred on the page; made once.
QLabel *captionOf(QLabel *value, const char *name)
{
    QWidget *page = value->parentWidget();
    if (auto *caption = page->findChild<QLabel *>(QLatin1String(name)))
        return caption;
    auto *column = qobject_cast<QBoxLayout *>(page->layout());
    const int index = column ? column->indexOf(value) : -1;
    auto *caption = new QLabel(page);
    caption->setObjectName(QLatin1String(name));
    if (index < 0)
        return caption;
    column->removeWidget(value);
    auto *row = new QHBoxLayout;
    row->setSpacing(6);
    row->addStretch();
    row->addWidget(caption);
    row->addWidget(value);
    row->addStretch();
    column->insertLayout(index, row);
    return caption;
}
} // namespace

void write(Ui::Widget *ui)
{
    DeviceState *state = DeviceState::instance();
    ui->typeLabel->setText(state->deviceModel());
    ui->deviceFPGA_label->setText(state->fpgaVersion());
    // The store keeps the text as the device names it ("MCU : "); shown like "FPGA: ".
    ui->deviceMCU_label->setText(
        state->mcuVersion().replace(QLatin1String("MCU : "), QLatin1String("MCU: ")));
    ui->softwareLabel->setText(QLatin1String(SoftwareVersion));
    ui->releaseLabel->setText(QLatin1String(ReleaseText));
    captionOf(ui->softwareLabel, "softwareCaption")
        ->setText(QCoreApplication::translate("AboutPage", "Software version:"));
    captionOf(ui->releaseLabel, "releaseCaption")
        ->setText(QCoreApplication::translate("AboutPage", "Release:"));
}

} // namespace AboutPage
