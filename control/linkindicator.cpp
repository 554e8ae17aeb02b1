#include "linkindicator.h"

#include <QTimer>

LinkIndicator::LinkIndicator(QObject *parent, int giveUpMs)
    : QObject(parent)
    , m_giveUp(new QTimer(this))
{
    m_giveUp->setSingleShot(true);
    m_giveUp->setInterval(giveUpMs);
    connect(m_giveUp, &QTimer::timeout, this, [this] { setState(State::Disconnected); });
}

QString LinkIndicator::word() const
{
    switch (m_state) {
    case State::Connected:
        return tr("Connected");
    case State::Connecting:
        return m_retries > 0 ? tr("Connecting, retry %1").arg(m_retries) : tr("Connecting");
    case State::Disconnected:
        break;
    }
    return tr("Disconnected");
}

// Read on the dark green title bar, so lighter than the usual status colours.
QString LinkIndicator::colour() const
{
    switch (m_state) {
    case State::Connected:
        return QStringLiteral("#7dff9e");
    case State::Connecting:
        return QStringLiteral("#ffc233");
    case State::Disconnected:
        break;
    }
    return QStringLiteral("#ff5c50");
}

QString LinkIndicator::offlineReason() const
{
    return isOnline() ? QString() : tr("The device is not connected: nothing was sent.");
}

void LinkIndicator::linkConnecting()
{
    // The link reports one attempt several times; a failure in between makes it a retry.
    if (m_failed) {
        ++m_retries;
        m_failed = false;
    }
    m_giveUp->stop();
    setState(State::Connecting);
}

void LinkIndicator::linkConnected()
{
    m_retries = 0;
    m_failed = false;
    m_giveUp->stop();
    setState(State::Connected);
}

void LinkIndicator::linkFailed()
{
    m_failed = true;
    if (m_state == State::Connected)
        setState(State::Disconnected);
    m_giveUp->start();
}

void LinkIndicator::setState(State state)
{
    m_state = state;
    // Also when the state stays: the retry count changes the word.
    emit changed();
}
