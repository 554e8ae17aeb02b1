#pragma once

#include <QMap>
#include <QObject>
#include <QString>
#include <QVector>

#include <functional>

// The plans of the device: save, recall and clear by number (the button index 0..9),
// the queries that follow a recall, and the names the user gives them, kept per
// device address. No window: the plan buttons and their menu call in here.
// Plans work only once the main window has its bind manager (after the first login);
// until then nothing is sent for save or recall and names are neither shown nor stored.
// GUI thread.
class PlanController : public QObject
{
    Q_OBJECT

public:
    enum class Page { Video, Joint };
    enum class Action { Recall, Save, Clear, Rename };

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

    explicit PlanController(QObject *parent = nullptr);

    void setAvailable(bool available) { m_available = available; }
    bool isAvailable() const { return m_available; }
    // Consulted before a recall; false abandons it (the multiview page's own check).
    void setRecallGate(std::function<bool(Page page, int index)> gate) { m_gate = std::move(gate); }

    void save(int index);
    void clear(int index);
    // Sends the recall and schedules its follow-up queries; returns whether it was sent.
    bool recall(Page page, int index);
    // The queries after a recall for the page and device code.
    static QVector<FollowUp> followUps(Page page, int deviceCode);

    // Reloads the names of the device address now in config.ini into the store.
    void loadNames();
    QString name(int index) const;
    // Keeps a new name for the plan (ignored while plans are unavailable).
    bool rename(int index, const QString &name);

    // "[3]" or "[3]Lobby" for button number 3.
    static QString buttonText(int number, const QString &name);
    // The plan menu of button `index`, in order; `allowed` answers function rights.
    QVector<MenuEntry> menuEntries(int index, const std::function<bool(int right)> &allowed) const;
    // Runs a command entry; renaming needs a dialog and is the caller's.
    void trigger(Action action, int index, Page page);

signals:
    void si_namesChanged();
    void si_recallDone(int index);

private:
    bool m_available = false;
    std::function<bool(Page, int)> m_gate;
};
