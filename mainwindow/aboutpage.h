#pragma once

namespace Ui {
class Widget;
}

// The About page: model, FPGA and MCU versions of the device, this client's version.
namespace AboutPage {

void write(Ui::Widget *ui);

} // namespace AboutPage
