#pragma once

#include <QObject>

struct WindowContext;
class FramelessResizer;
class SvgLabel;

// The title bar: connection state with user, address and port, the logo and the
// maximise / restore button; the frameless window resizes from its edges and maximises
// on a double click of the bar. GUI thread.
class TitleBar : public QObject
{
    Q_OBJECT

public:
    enum class State { Disconnected = 0, Connecting = 1, Connected = 2 };

    TitleBar(WindowContext &context, QWidget *window);

    void showState(State state);
    // The stored state again, e.g. after a language change.
    void showStoredState();
    void addLogo();
    void toggleMaximized();
    FramelessResizer *resizer() const { return m_resizer; }

private:
    WindowContext &m_context;
    QWidget *m_window;
    FramelessResizer *m_resizer;
    SvgLabel *m_logo = nullptr;
};
