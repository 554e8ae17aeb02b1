#pragma once

#include "route.h"

#include <QObject>
#include <QVector>

#include <functional>

class GridWiring;
class LinkStatusView;
class QPushButton;
class SalvoController;
class SalvoPanel;
class QWidget;
struct WindowContext;

// The salvos in the window: a "Salvos" button beside the video page's plans (and
// Ctrl+Shift+L) opens the salvo panel for the logged-in user, fed with the selection of
// the grid on show; a recall's outcome also goes to the message line. GUI thread.
class SalvoWiring : public QObject
{
    Q_OBJECT

public:
    SalvoWiring(QWidget *window, WindowContext &context, GridWiring *grids, LinkStatusView *status);

    SalvoController *controller() const { return m_salvos; }
    // Built when first opened.
    SalvoPanel *panel() const { return m_panel; }
    QPushButton *button() const { return m_button; }
    void open();
    // Where "New from stage" takes its routes (the take stage); unset hides it.
    void setStage(std::function<QVector<Route>()> stage);

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
    std::function<QVector<Route>()> m_stage;
};
