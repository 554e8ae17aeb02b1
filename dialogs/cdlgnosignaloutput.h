#pragma once

#include "framelessdialog.h"

#include <QColor>

#include <functional>

class QButtonGroup;
class QToolButton;

// What one output shows while its source has no signal: a solid colour or one of ten
// patterns. Every choice is sent at once; the device's current setting arrives as
// forwarded text and only a record for this output is applied. GUI thread, one modal
// run per use.
class CDlgnosignaloutput : public FramelessDialog
{
    Q_OBJECT

public:
    // Asks for a colour, starting from `initial`; an invalid colour means cancelled.
    using ColorPicker = std::function<QColor(const QColor &initial, QWidget *parent)>;

    explicit CDlgnosignaloutput(QWidget *parent = nullptr);

    void setPort(int port) { m_port = port; }
    // Names the port in the title, e.g. "[3] Lobby".
    void setPortLabel(const QString &label);
    int port() const { return m_port; }
    QColor colour() const { return m_colour; }
    int checkedMode() const;
    void setColorPicker(ColorPicker picker) { m_pickColour = std::move(picker); }

public slots:
    void sl_StateUpdate(const QString &text);
    void on_toolButton_ColorPalette_clicked();
    void on_btnClose_clicked();
    void on_pushButton_clicked();
    void on_pushButton_2_clicked();

private:
    void patternClicked(int mode, bool checked);
    void showColour(const QColor &colour);

    int m_port = 0;
    QColor m_colour = Qt::black;
    QButtonGroup *m_modes = nullptr;
    QToolButton *m_palette = nullptr;
    ColorPicker m_pickColour;
};
