#pragma once

#include "framelessdialog.h"

#include <array>
#include <functional>

class QLineEdit;

// Edits the eight bezel gaps of the wall (x1..x4 between columns, y1..y4 between rows)
// and writes them to the device-state store on OK. Modal, per use.
class DialogBezel : public FramelessDialog
{
    Q_OBJECT

public:
    explicit DialogBezel(QWidget *parent = nullptr);

    // Sends the stored horizontal values now and the vertical ones 100 ms later, read
    // from the store at each moment; the device needs the gap between them.
    static void sendStored(QObject *context, const std::function<void(const QString &)> &sink);

private:
    void accept() override;

    std::array<QLineEdit *, 8> m_edits{};
};
