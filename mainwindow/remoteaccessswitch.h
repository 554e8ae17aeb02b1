#pragma once

#include <QWidget>

#include <functional>

class QLabel;
class QSpinBox;
class SvgCheckBox;

// The "Remote access" row of the Setting page: an on/off switch with the port beside it
// and a line saying where tablets find the page or why the server did not start. Off at
// every start; only an administrator may touch it. Turning it on opens the port to the
// network, which is why it is a deliberate switch. What starts and stops the server is
// handed in. GUI thread.
class RemoteAccessSwitch : public QWidget
{
    Q_OBJECT

public:
    // Starts serving on `port` of every interface; false with a reason when it cannot.
    using Start = std::function<bool(quint16 port, QString *error)>;
    using Stop = std::function<void()>;

    RemoteAccessSwitch(Start start, Stop stop, QWidget *parent = nullptr);

    QLabel *title() const { return m_title; }
    SvgCheckBox *switchBox() const { return m_switch; }
    QSpinBox *portBox() const { return m_port; }
    QLabel *statusLine() const { return m_status; }

    void applyRights(bool administrator);
    bool isOn() const;
    // Turns the server off, as when the window closes.
    void turnOff();

protected:
    void changeEvent(QEvent *event) override;

private:
    void toggled(bool on);
    void showSwitch(bool on);
    void retranslate();
    static QString pageAddress(quint16 port);

    Start m_start;
    Stop m_stop;
    QLabel *m_title;
    SvgCheckBox *m_switch;
    QSpinBox *m_port;
    QLabel *m_status;
    quint16 m_servingPort = 0;
    QString m_error;
};
