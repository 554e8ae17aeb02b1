#include "takebar.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>

#include <functional>

namespace {

// Enter, digits, F2 and Ctrl+Z already route, rename and undo.
const QKeySequence ToggleKey(Qt::CTRL + Qt::Key_T);
const QKeySequence TakeKey(Qt::Key_F9);
const QKeySequence TakeKey2(Qt::CTRL + Qt::Key_Return);
const QKeySequence CancelKey(Qt::CTRL + Qt::Key_Backspace);

const char *const BarStyle =
    "QPushButton{font:13px \"Microsoft YaHei\";color:#2c3e50;background:#f0f1ec;"
    "border:1px solid #9f9f9f;border-radius:3px;padding:3px 10px;}"
    "QPushButton:checked{background:#f0a000;color:#ffffff;border-color:#b36b00;}"
    "QPushButton#takeButton:enabled{background:#338c56;color:#ffffff;}"
    "QPushButton:disabled{color:#a9aea6;}"
    "QLabel{font:13px \"Microsoft YaHei\";color:#b36b00;}";

} // namespace

TakeBar::TakeBar(QWidget *window)
    : QWidget(window)
{
    setObjectName(QStringLiteral("takeBar"));
    m_mode = new QPushButton(this);
    m_mode->setObjectName(QStringLiteral("takeModeButton"));
    m_mode->setCheckable(true);
    m_take = new QPushButton(this);
    m_take->setObjectName(QStringLiteral("takeButton"));
    m_cancel = new QPushButton(this);
    m_cancel->setObjectName(QStringLiteral("cancelStageButton"));
    m_count = new QLabel(this);
    m_count->setObjectName(QStringLiteral("stageCount"));
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 0, 4, 2);
    layout->addWidget(m_count);
    layout->addWidget(m_mode);
    layout->addWidget(m_take);
    layout->addWidget(m_cancel);
    setStyleSheet(QString::fromLatin1(BarStyle));
    connect(m_mode, &QPushButton::toggled, this, &TakeBar::modeToggled);
    connect(m_take, &QPushButton::clicked, this, &TakeBar::takeRequested);
    connect(m_cancel, &QPushButton::clicked, this, &TakeBar::cancelRequested);
    showMode(false);
    retranslate();
}

void TakeBar::installShortcuts(QWidget *window)
{
    auto add = [this, window](const QKeySequence &key, const std::function<void()> &action) {
        auto *shortcut = new QShortcut(key, window);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, action);
    };
    add(ToggleKey, [this] { m_mode->toggle(); });
    // Take and Cancel only mean something while take mode is on.
    add(TakeKey, [this] {
        if (m_mode->isChecked())
            emit takeRequested();
    });
    add(TakeKey2, [this] {
        if (m_mode->isChecked())
            emit takeRequested();
    });
    add(CancelKey, [this] {
        if (m_mode->isChecked())
            emit cancelRequested();
    });
}

void TakeBar::showMode(bool takeMode)
{
    {
        const QSignalBlocker blocker(m_mode);
        m_mode->setChecked(takeMode);
    }
    m_take->setVisible(takeMode);
    m_cancel->setVisible(takeMode);
    m_count->setVisible(takeMode);
}

void TakeBar::showCount(int staged)
{
    m_staged = staged;
    m_take->setEnabled(staged > 0);
    m_cancel->setEnabled(staged > 0);
    m_count->setText(tr("Staged: %1").arg(staged));
}

void TakeBar::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void TakeBar::retranslate()
{
    m_mode->setText(tr("Take mode"));
    m_mode->setToolTip(
        tr("Take mode (%1): drops, Enter, double clicks and one-to-many routes are staged "
           "and sent together with Take. Off: every change goes out at once.")
            .arg(ToggleKey.toString(QKeySequence::NativeText)));
    m_take->setText(tr("Take"));
    m_take->setToolTip(tr("Send every staged change (%1 or %2); Ctrl+Z undoes it in one step.")
                           .arg(TakeKey.toString(QKeySequence::NativeText),
                                TakeKey2.toString(QKeySequence::NativeText)));
    m_cancel->setText(tr("Cancel"));
    m_cancel->setToolTip(tr("Drop the staged changes without sending anything (%1).")
                             .arg(CancelKey.toString(QKeySequence::NativeText)));
    showCount(m_staged);
}
