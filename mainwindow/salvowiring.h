#pragma once

#include <QObject>

class GridWiring;
class QPushButton;
class SalvoController;
class SalvoPanel;
class QWidget;
struct WindowContext;

// The salvos in the window: a "Salvos" button beside the video page's plans (and
// Ctrl+Shift+L) opens the salvo panel for the logged-in user, fed with the selection of
// the grid on show. GUI thread.
class SalvoWiring : public QObject
{
    Q_OBJECT

public:
    SalvoWiring(QWidget *window, WindowContext &context, GridWiring *grids);

    SalvoController *controller() const { return m_salvos; }
    // Built when first opened.
    SalvoPanel *panel() const { return m_panel; }
    QPushButton *button() const { return m_button; }
    void open();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void retranslate();

    QWidget *m_window;
    WindowContext &m_context;
    GridWiring *m_grids;
    SalvoController *m_salvos;
    SalvoPanel *m_panel = nullptr;
    QPushButton *m_button = nullptr;
};
