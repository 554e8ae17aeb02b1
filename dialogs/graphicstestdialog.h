#pragma once

#include "framelessdialog.h"

class QButtonGroup;

// Puts a test pattern on one input or output; each choice is sent at once and stays on
// the device until another is chosen ("By pass" removes it). GUI thread, one modal
// run per use.
class GraphicsTestDialog : public FramelessDialog
{
    Q_OBJECT

public:
    GraphicsTestDialog(int port, bool isInput, QWidget *parent = nullptr);

    int port() const { return m_port; }
    bool isInput() const { return m_isInput; }

public slots:
    void on_btnClose_clicked();
    void on_btnApply_clicked();

private:
    void patternClicked(int pattern, bool checked);

    int m_port = 0;
    bool m_isInput = false;
    QButtonGroup *m_patterns = nullptr;
};
