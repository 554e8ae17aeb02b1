#include "windowkit.h"

#include "appsettings.h"
#include "datadir.h"
#include "devicestate.h"
#include "logindialog.h"
#include "messagedistance.h"
#include "permissionstore.h"
#include "tablewidget.h"
#include "userstore.h"

#include <QDropEvent>
#include <QLabel>
#include <QMimeData>
#include <QSignalSpy>
#include <QTableWidgetItem>
#include <QtTest>

namespace {
// Reaches the grid's protected drop handler, as the drag manager would at the end of a drag.
class DropGrid : public TableWidget
{
public:
    using TableWidget::dropEvent;
};
} // namespace

bool WindowKit::init()
{
    dialogs.clear();
    answer = QDialog::Accepted;
    dialogLabels.clear();
    onDialog = nullptr;
    if (!m_sharedModel.isEmpty()) {
        m_device->clearReceivedCommands();
        return true;
    }
    m_dir = std::make_unique<TempDataDir>();
    if (!m_dir->isValid())
        return false;
    DataDir::set(m_dir->path());
    DeviceState *state = DeviceState::instance();
    state->setSpliceMode(0);
    state->setSplitterLayout(0);
    state->setVideoRouting({});
    state->setAudioRouting({});
    state->setIrRouting({});
    state->setWindowStatus({});
    state->setOutputResolutions({});
    state->setRotation({});
    state->setVirMode(0);
    state->setSplitterRouting({});
    AppSettings::instance()->setLanguage(1);
    AppSettings::instance()->setUsername(QStringLiteral("ADMIN"));
    UserStore::initTables();
    UserStore::setLoginModel(1);
    return true;
}

void WindowKit::cleanup()
{
    // A failed case leaves no window behind for the next one.
    if (!m_sharedModel.isEmpty() && !QTest::currentTestFailed())
        return;
    m_sharedModel.clear();
    m_window.reset();
    MessageDistance::instance()->disconnectFromDevice();
    m_device.reset();
    DataDir::set(QString());
    m_dir.reset();
}

bool WindowKit::leaveShared()
{
    if (m_sharedModel.isEmpty())
        return true;
    release();
    return init();
}

bool WindowKit::startDevice(const QString &model, const SimFaults &faults)
{
    if (!leaveShared())
        return false;
    m_device = std::make_unique<SimDevice>(model);
    m_device->setFaults(faults);
    if (!m_device->listen(QHostAddress::LocalHost, 0, 0))
        return false;
    AppSettings::instance()->setNetwork(QStringLiteral("127.0.0.1"), m_device->controlPort());
    MessageDistance::instance()->setUploadPort(m_device->uploadPort());
    return true;
}

void WindowKit::openWindow(LoginFlow::Runner login)
{
    if (!login)
        login = [](LoginDialog &) {
            return int(QDialog::Rejected);
        };
    m_window = std::make_unique<Widget>(nullptr, login, [this](QDialog &dialog) {
        QStringList texts{dialog.windowTitle()};
        for (QLabel *label : dialog.findChildren<QLabel *>()) {
            if (dialogLabels.isEmpty() || dialogLabels.contains(label->objectName()))
                texts << label->text();
        }
        dialogs << texts.join(QLatin1Char('|'));
        if (onDialog)
            onDialog(dialog);
        return answer;
    });
    m_window->resize(1280, 800);
}

bool WindowKit::openSettled(const QString &model)
{
    if (!leaveShared())
        return false;
    if (!m_device && !startDevice(model))
        return false;
    openWindow();
    auto last = model == QLatin1String("0409-S")   ? &MessageDistance::receiveRotateAngleSig
                : model == QLatin1String("0808-S") ? &MessageDistance::receiveOutputInfoSig
                                                   : &MessageDistance::receiveBindInfoSig;
    // Made after the window, so the window's own slot runs before the spy counts.
    QSignalSpy spy(MessageDistance::instance(), last);
    if (!QTest::qWaitFor([&] { return !spy.isEmpty(); }, TestTimeouts::Medium))
        return false;
    QCoreApplication::processEvents();
    m_device->clearReceivedCommands();
    return true;
}

bool WindowKit::openShared(const QString &model)
{
    if (m_window && m_sharedModel == model)
        return true;
    if (!openSettled(model))
        return false;
    m_sharedModel = model;
    return true;
}

void WindowKit::release()
{
    m_sharedModel.clear();
    cleanup();
}

bool WindowKit::waitForCommand(const QString &command, int timeout) const
{
    return QTest::qWaitFor([&] { return m_device->receivedCommands().contains(command); }, timeout);
}

QStringList WindowKit::sentBeforeMarker()
{
    const QString marker = QStringLiteral("{param=Get_Volume}");
    const int before = m_device->receivedCommands().count(marker);
    MessageDistance::instance()->sendGetVolume();
    auto arrived = [&] {
        return m_device->receivedCommands().count(marker) > before;
    };
    if (!QTest::qWaitFor(arrived, TestTimeouts::Medium))
        return {QStringLiteral("(the marker never arrived)")};
    QStringList sent = m_device->receivedCommands();
    const int at = sent.lastIndexOf(marker);
    return at < 0 ? sent : sent.mid(0, at);
}

bool WindowKit::setRights(const QString &user,
                          const QList<int> &deniedKeys,
                          const QList<int> &deniedInputs,
                          const QList<int> &deniedOutputs)
{
    if (!UserStore::addUser(user, QStringLiteral("pw")))
        return false;
    PermissionStore store;
    if (!store.createDefaultRights(user))
        return false;
    PermissionStore probe;
    probe.loadForUser(user);
    PermissionRights rights = store.readRights(probe.userId());
    for (int key : deniedKeys)
        rights.functions[key] = false;
    for (int input : deniedInputs)
        rights.inputs[input - 1] = false;
    for (int output : deniedOutputs)
        rights.outputs[output - 1] = false;
    if (!store.saveRights(probe.userId(), rights))
        return false;
    AppSettings::instance()->setUsername(user);
    return true;
}

bool WindowKit::dropOn(TableWidget *grid, int port, const QString &text)
{
    QTableWidgetItem *item = grid->itemForPort(port);
    if (!item)
        return false;
    QMimeData data;
    data.setText(text);
    QDropEvent event(
        grid->visualItemRect(item).center(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    void (TableWidget::*drop)(QDropEvent *) = &DropGrid::dropEvent;
    (grid->*drop)(&event);
    return true;
}
