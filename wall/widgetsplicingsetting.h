#pragma once

#include "windowdrag.h"

#include <QColor>
#include <QWidget>

#include <functional>

class QComboBox;
class QFrame;
class QGridLayout;
class QLabel;
class QPushButton;
class QTableWidget;
class QToolButton;

// The wall's layout, resolution, rotation and no-input colour, with the real screens
// as a grid of cells. Every choice is sent at once and written to the device-state
// store. Created for one showing by the main window. GUI thread.
class WidgetSplicingSetting : public QWidget
{
    Q_OBJECT

public:
    using CommandSink = std::function<void(const QString &)>;

    explicit WidgetSplicingSetting(QWidget *parent = nullptr, CommandSink sink = CommandSink());
    // Asked before a new layout is sent, as the device then closes every window; false
    // keeps the layout. Unset: the layout is sent without asking.
    using Confirm = std::function<bool(const QString &title, const QString &question)>;
    void setLayoutConfirm(Confirm confirm) { m_layoutConfirm = std::move(confirm); }

    QColor noInputColour() const { return m_colour; }
    int currentRotation() const { return m_currentRotation; }
    // The colour the user picked (the picker's answer); an invalid colour sends nothing.
    void applyPickedColour(const QColor &colour);
    // Reads the device's no-signal record: with Mode 0 and three colour parts the
    // colour is taken. True when the record's Mode was 0.
    static bool readNoInputColour(const QString &text, QColor *colour);

signals:
    void si_orderToRecalculate();
    void si_update3BtnLayout();
    void closed();

public slots:
    void forwardAnalysis(const QString &text);

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void buildForm();
    QFrame *buildFrame();
    QGridLayout *buildControls(QFrame *frame);
    void retranslate();
    void open();
    void buildGrid(int virMode);
    void layoutChosen(int index);
    void resolutionChosen(const QString &text);
    void rotationChosen(int index);
    void selectionChanged();
    void showGridMenu(const QPoint &pos);
    void pickColour();
    void styleColourButton();
    void setRotationQuietly(int index);

    CommandSink m_sink;
    Confirm m_layoutConfirm;
    QLabel *m_title = nullptr;
    QLabel *m_labels[4] = {};
    QComboBox *m_layout = nullptr;
    QComboBox *m_resolution = nullptr;
    QComboBox *m_rotation = nullptr;
    QTableWidget *m_grid = nullptr;
    QToolButton *m_colourButton = nullptr;
    QPushButton *m_close = nullptr;
    QColor m_colour = QColor(0, 0, 0);
    int m_currentRotation = 0;
    bool m_placed = false;
    WindowDrag m_drag;
};
