#pragma once

#include "networkform.h"

#include <QObject>

#include <functional>
#include <optional>

class QLineEdit;
class QWidget;
struct WindowContext;

// Stands between the network page and the device: sends a network change only when
// every field is a complete, valid address and the operator confirmed old against new
// values; asks before a factory reset; keeps the static fields read-only under DHCP.
// GUI thread.
class NetworkGuard : public QObject
{
    Q_OBJECT

public:
    NetworkGuard(WindowContext &context, QWidget *dialogParent, QObject *parent);

    // Says why a command must not be sent now (offline); true means refuse.
    void setRefusal(std::function<bool()> refuse) { m_refuse = std::move(refuse); }
    void setMessage(std::function<void(const QString &)> tell) { m_tell = std::move(tell); }

    // The values to send, or nothing: bad fields marked, or the operator said no.
    std::optional<NetworkForm::Values> confirmedValues();
    // True (and the reason told) when nothing may be sent now.
    bool refusedNow() const { return m_refuse && m_refuse(); }
    bool confirmFactoryReset();
    void applyDhcp(bool on);

private:
    QLineEdit *field(NetworkForm::Field f) const;
    void markBad(QLineEdit *edit, bool bad);
    bool ask(const QString &title, const QString &text);

    WindowContext &m_context;
    QWidget *m_dialogParent;
    std::function<bool()> m_refuse;
    std::function<void(const QString &)> m_tell;
};
