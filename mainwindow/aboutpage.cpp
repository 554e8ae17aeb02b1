#include "aboutpage.h"
#include "ui_widget.h"

#include "devicestate.h"

namespace AboutPage {

namespace {
const char *const SoftwareVersion = "V2.1.0(241212)";
const char *const ReleaseText = "r1";
} // namespace

void write(Ui::Widget *ui)
{
    DeviceState *state = DeviceState::instance();
    ui->typeLabel->setText(state->deviceModel());
    ui->deviceFPGA_label->setText(state->fpgaVersion());
    ui->deviceMCU_label->setText(state->mcuVersion());
    ui->softwareLabel->setText(QLatin1String(SoftwareVersion));
    ui->releaseLabel->setText(QLatin1String(ReleaseText));
}

} // namespace AboutPage
