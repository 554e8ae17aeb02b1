#pragma once

#include "portrights.h"

#include <QMap>
#include <QObject>
#include <QSet>
#include <QString>
#include <QVector>

#include <functional>

// The plans of the device: save, recall and clear by number (the button index 0..9),
// the queries that follow a recall, and the names the user gives them, kept per
// device address. No window: the plan buttons and their menu call in here.
// Plans work only once the main window has its bind manager (after the first login);
// until then nothing is sent for save or recall and names are neither shown nor stored.
// Every caller gets the same checks, in order: the acting user's rights ("No Permission!"),
// the link (refused while offline), then a question before a plan this client saved
// is overwritten or cleared. GUI thread.
class PlanController : public QObject
{
    Q_OBJECT

public:
    enum class Page { Video, Joint };
    Q_ENUM(Page)
    enum class Action { Recall, Save, Clear, Rename };
    Q_ENUM(Action)

    struct MenuEntry
    {
        Action action;
        QString text;
        bool enabled;
    };

    // One query a recall schedules, `delayMs` after the recall command.
    struct FollowUp
    {
        int delayMs;
        QString command;
    };

    // How refusals and questions reach the operator; unset ones pass silently.
    struct Hooks
    {
        PortRights::Warn warn;
        std::function<bool()> refuseWhileOffline;              // true (and says why): send nothing
        std::function<bool(Action action, int index)> confirm; // overwrite or clear a mark
    };

    explicit PlanController(QObject *parent = nullptr);

    void setHooks(Hooks hooks) { m_hooks = std::move(hooks); }

    void setAvailable(bool available) { m_available = available; }
    bool isAvailable() const { return m_available; }
    // Consulted before a recall; false abandons it (the multiview page's own check).
    void setRecallGate(std::function<bool(Page page, int index)> gate) { m_gate = std::move(gate); }

    // Each returns whether its command was sent.
    bool save(const ActingUser &user, int index);
    bool clear(const ActingUser &user, int index);
    // Sends the recall and schedules its follow-up queries.
    bool recall(const ActingUser &user, Page page, int index);
    // The queries after a recall for the page and device code.
    static QVector<FollowUp> followUps(Page page, int deviceCode);

    // Reloads the names and marks of the device address now in config.ini.
    void loadNames();
    // Whether this client saved plan `index` on the device now addressed.
    bool isMarked(int index) const { return m_marks.contains(index); }
    QString name(int index) const;
    // Keeps a new name for the plan (ignored while plans are unavailable).
    bool rename(int index, const QString &name);

    // "[3]" or "[3]Lobby" for button number 3.
    static QString buttonText(int number, const QString &name);
    // The plan menu of button `index`, in order; `allowed` answers function rights.
    QVector<MenuEntry> menuEntries(int index, const std::function<bool(int right)> &allowed) const;
    // Runs a command entry; renaming needs a dialog and is the caller's.
    void trigger(const ActingUser &user, Action action, int index, Page page);
    // "Plan 3 recalled" and the like, for a finished command on button `index`.
    static QString doneText(Action action, int index);

signals:
    void namesChanged();
    // The recall command went out; its queries follow.
    void recallSent(PlanController::Page page, int index);
    void recallDone(int index);
    // A save, clear or (after its queries) recall went out; the marks may have changed.
    void done(PlanController::Action action, int index);

private:
    bool permitted(const ActingUser &user, Action action) const;
    bool permittedOnline() const;
    bool confirmed(Action action, int index) const;
    void setMarked(int index, bool marked);

    bool m_available = false;
    std::function<bool(Page, int)> m_gate;
    Hooks m_hooks;
    QSet<int> m_marks;
};
