#pragma once

#include <QObject>
#include <QPointer>

#include "widgetsplicingsetting.h"

#include <functional>

class OutputWidget0409;
class QAbstractButton;
class QScrollArea;
class QWidget;

// The main window's multiview page: sizes the canvas in its scroll area, drives the
// layout, zoom, lock and close-all buttons, the start-up window-status wait and the
// splicing settings window. Owned by the main window. GUI thread.
class MultiviewPage : public QObject
{
    Q_OBJECT

public:
    struct Controls
    {
        QScrollArea *area = nullptr;
        QWidget *content = nullptr;
        OutputWidget0409 *canvas = nullptr;
        QAbstractButton *layoutButtons[3] = {};
        QAbstractButton *zoomIn = nullptr;
        QAbstractButton *zoomOut = nullptr;
        QAbstractButton *lockAll = nullptr;
        QAbstractButton *closeAll = nullptr;
    };
    using CommandSink = std::function<void(const QString &)>;

    MultiviewPage(const Controls &controls, CommandSink sink, QObject *parent = nullptr);

    OutputWidget0409 *canvas() const { return m_c.canvas; }
    WidgetSplicingSetting *splicingSettings() const { return m_splicing; }

    // A (re)connection or refresh: forget the windows and wait up to 5 s for the
    // device's window status, resolutions and rotation.
    void restart();
    void updateLayoutButtonIcons();
    void chooseJoinButton(int id);
    // Shows the splicing settings and returns when they close.
    void openSplicingSettings(QWidget *parent);

public slots:
    void resolutionMapArrived();
    void windowsArrived();
    void rotationArrived();
    void forwardText(const QString &text);

signals:
    void splicingClosed();
    void forwardedToSplicing(const QString &text);

private:
    void fitCanvas(int wallWidth, int wallHeight);

    Controls m_c;
    CommandSink m_sink;
    QPointer<WidgetSplicingSetting> m_splicing;
};
