#pragma once

#include <QObject>
#include <QString>

class QTimer;

// What the connection indicator shows, from the link's noisy socket notifications:
// connected; connecting, counting the retries after a failure; disconnected once a loss
// is not followed by another attempt. GUI thread.
class LinkIndicator : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(LinkIndicator)

public:
    enum class State { Disconnected, Connecting, Connected };
    // A little over the link's 2000 ms reconnect period.
    static constexpr int GiveUpMs = 3000;

    explicit LinkIndicator(QObject *parent = nullptr, int giveUpMs = GiveUpMs);

    State state() const { return m_state; }
    int retries() const { return m_retries; }
    bool isOnline() const { return m_state == State::Connected; }
    QString word() const;
    QString colour() const;
    // Why a command was not sent while offline; empty when online.
    QString offlineReason() const;

public slots:
    void linkConnecting();
    void linkConnected();
    void linkFailed();

signals:
    void changed();

private:
    void setState(State state);

    State m_state = State::Disconnected;
    int m_retries = 0;
    bool m_failed = false;
    QTimer *m_giveUp;
};
