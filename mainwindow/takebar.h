#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

// The take-mode controls beside the routing pages: the mode toggle, Take and Cancel with
// their shortcuts, and how many changes are staged. It only shows and reports; the stage
// decides. GUI thread.
class TakeBar : public QWidget
{
    Q_OBJECT

public:
    explicit TakeBar(QWidget *window);

    // Shortcuts that work anywhere in `window`.
    void installShortcuts(QWidget *window);
    void showMode(bool takeMode);
    void showCount(int staged);
    QPushButton *modeButton() const { return m_mode; }
    QPushButton *takeButton() const { return m_take; }
    QPushButton *cancelButton() const { return m_cancel; }

signals:
    void modeToggled(bool takeMode);
    void takeRequested();
    void cancelRequested();

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();

    QPushButton *m_mode = nullptr;
    QPushButton *m_take = nullptr;
    QPushButton *m_cancel = nullptr;
    QLabel *m_count = nullptr;
    int m_staged = 0;
};
