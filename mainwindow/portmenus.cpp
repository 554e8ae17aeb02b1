#include "portmenus.h"
#include "listroles.h"

#include "appsettings.h"
#include "devicestate.h"
#include "listwidget.h"
#include "messagedistance.h"
#include "renamedialog.h"
#include "sigmanager.h"
#include "tableitemwidget.h"
#include "tablewidget.h"
#include "videosplitmanager.h"
#include "videotablewidget.h"
#include "volumnsettingdialog.h"

#include <QAction>
#include <QCoreApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QListWidgetItem>
#include <QMenu>
#include <QTimer>

namespace {

QString translated(const QString &text)
{
    return QCoreApplication::translate("PortMenus", text.toUtf8().constData());
}

void send(const QString &command)
{
    if (!command.isEmpty())
        MessageDistance::instance()->sendData(command);
}

PortDialog dialogOf(MenuAction action)
{
    switch (action) {
    case MenuAction::NoSignalOut:
        return PortDialog::NoSignalOut;
    case MenuAction::ScalingMode:
        return PortDialog::ScalingMode;
    case MenuAction::OutputGraphicsTest:
        return PortDialog::OutputGraphicsTest;
    case MenuAction::InputGraphicsTest:
        return PortDialog::InputGraphicsTest;
    case MenuAction::Osd:
        return PortDialog::Osd;
    default:
        return PortDialog::Edid;
    }
}

} // namespace

PortMenus::PortMenus(Host host, QObject *parent)
    : QObject(parent)
    , m_host(std::move(host))
    , m_rights(m_host.actingUser, RightsWarning::shownOver(m_host.window, m_host.runDialog))
{
    // Every view that shows a source name follows a rename at once.
    auto follow = [this] {
        if (m_host.refreshList)
            m_host.refreshList();
        if (m_host.refreshSources)
            m_host.refreshSources();
    };
    SigManager *hub = SigManager::instance();
    connect(hub, &SigManager::Sig_RenameInputSignals, this, follow);
    connect(hub, &SigManager::Sig_RenameInputAudioSignals, this, follow);
}

PortMenus::~PortMenus() = default;

QString PortMenus::menuStyle()
{
    return QStringLiteral(
        "QMenu {border-radius: 2px;padding:2px;margin:0px;background-color:rgba(255,255,255,255);"
        "border:1px solid QColor(50,50,50,102);}"
        "QMenu::item{padding:4px 28px 4px 26px;color:#2c3e50;font:14px \"Microsoft YaHei\";"
        "background:transparent;}"
        "QMenu::item:selected{background:#e3f1e8;color:#338c56;}"
        "QMenu::item:disabled{color:#a9aea6;}"
        "QMenu::right-arrow{margin-right:6px;}");
}

void PortMenus::attachGrid(TableWidget *grid)
{
    m_grids << grid;
    grid->installEventFilter(this);
}

void PortMenus::attachList(ListWidget *list)
{
    list->setContextMenuPolicy(Qt::CustomContextMenu);
    list->installEventFilter(this);
    connect(list, &QWidget::customContextMenuRequested, this, [this, list](const QPoint &pos) {
        QListWidgetItem *item = list->itemAt(pos);
        if (item)
            list->setCurrentItem(item);
        showListMenu(list, list->currentItem());
    });
}

void PortMenus::setDialogOpener(PortDialog dialog, const DialogOpener &opener)
{
    if (opener)
        m_openers.insert(int(dialog), opener);
    else
        m_openers.remove(int(dialog));
}

PortMenuModel::Context PortMenus::context() const
{
    PortMenuModel::Context c;
    c.functionRight = [this](int key) {
        return m_rights.functionAllowed(key);
    };
    c.portRight = [this](int port, int category) {
        return m_rights.portAllowed(port, category);
    };
    c.isBound = [this](int output) {
        VideoSplitManager *manager = m_host.bindManager ? m_host.bindManager() : nullptr;
        return manager && manager->groupOf(output).size() > 1;
    };
    c.dialogAvailable = [this](PortDialog d) {
        return m_openers.contains(int(d));
    };
    return c;
}

void PortMenus::showGridMenu(TableWidget *grid, int port)
{
    TableItemWidget *cell = grid ? grid->cellForPort(port) : nullptr;
    if (!cell)
        return;
    // F2 afterwards renames the port the menu was for.
    grid->setCurrentItem(grid->itemForPort(port), QItemSelectionModel::NoUpdate);
    const QVector<MenuEntry> entries = PortMenuModel::gridMenu(
        GridLayout::Kind(grid->gridKind()), port, cell->isCellLocked(), context());
    if (entries.isEmpty())
        return;
    QMenu menu(m_host.window);
    addEntries(&menu, entries, port, grid, nullptr, nullptr);
    runMenu(menu);
}

void PortMenus::showListMenu(ListWidget *list, QListWidgetItem *item)
{
    if (!list || !item)
        return;
    const ListItem kind = item->data(ListRoles::Kind).toInt() == ListRoles::InputKind
                              ? ListItem::Input
                              : ListItem::Audio;
    const int port = item->data(ListRoles::Port).toInt();
    const bool infrared = m_host.infraredPage && m_host.infraredPage();
    const QVector<MenuEntry> entries = PortMenuModel::listMenu(kind, port, infrared, context());
    if (entries.isEmpty() && !m_listExtras)
        return;
    QMenu menu(m_host.window);
    addEntries(&menu, entries, port, nullptr, list, item);
    if (m_listExtras)
        m_listExtras(&menu, ListWidget::sourceOf(item));
    runMenu(menu);
}

void PortMenus::runMenu(QMenu &menu)
{
    menu.setStyleSheet(menuStyle());
    menu.setToolTipsVisible(true);
    if (m_runMenu)
        m_runMenu(menu);
    else
        menu.exec(QCursor::pos());
    m_openPort = 0;
    m_resolutionActions.clear();
    m_hdcpActions.clear();
}

void PortMenus::addEntries(QMenu *menu,
                           const QVector<MenuEntry> &entries,
                           int port,
                           TableWidget *grid,
                           ListWidget *list,
                           QListWidgetItem *item)
{
    m_openPort = port;
    for (const MenuEntry &entry : entries) {
        if (!entry.children.isEmpty()) {
            QMenu *sub = menu->addMenu(translated(entry.text));
            sub->setEnabled(entry.enabled);
            sub->setToolTipsVisible(true);
            addEntries(sub, entry.children, port, grid, list, item);
            continue;
        }
        QAction *action = menu->addAction(translated(entry.text));
        action->setCheckable(entry.checkable);
        action->setChecked(entry.checked);
        action->setEnabled(entry.enabled);
        if (entry.unavailable)
            action->setToolTip(tr("Not available in this version"));
        if (entry.action == MenuAction::Resolution) {
            action->setData(entry.text);
            m_resolutionActions << action;
        } else if (entry.action == MenuAction::Hdcp) {
            action->setData(entry.value);
            m_hdcpActions << action;
        }
        connect(action, &QAction::triggered, this, [=] {
            // The menu alone decides the check marks: they show the stored state.
            action->setChecked(entry.checked);
            trigger(entry, port, grid, list, item);
        });
    }
}

void PortMenus::trigger(
    const MenuEntry &entry, int port, TableWidget *grid, ListWidget *list, QListWidgetItem *item)
{
    // Renaming stays local; every other entry talks to the device, so offline it is
    // refused like a drop instead of showing a change the device never got.
    const bool local = entry.action == MenuAction::Rename || entry.action == MenuAction::Submenu ||
                       entry.action == MenuAction::InputResolution;
    if (!local && m_host.refuseWhileOffline && m_host.refuseWhileOffline())
        return;
    switch (entry.action) {
    case MenuAction::Splice:
        splice(port);
        break;
    case MenuAction::Rename:
        if (grid)
            renameGridPort(grid, port);
        else
            renameListItem(list, item);
        break;
    case MenuAction::NoSignalOut:
    case MenuAction::ScalingMode:
    case MenuAction::OutputGraphicsTest:
    case MenuAction::InputGraphicsTest:
    case MenuAction::Osd:
    case MenuAction::Edid:
        openDialog(dialogOf(entry.action), port, entry.command);
        break;
    case MenuAction::Clear:
        grid->clearRoute(port);
        break;
    case MenuAction::SwitchLayout:
        switchLayout(entry.value);
        break;
    case MenuAction::Volume:
        openVolume(item && item->data(ListRoles::Kind).toInt() == ListRoles::InputKind
                       ? ListItem::Input
                       : ListItem::Audio,
                   port);
        break;
    default:
        sendSetting(entry, port, grid);
        break;
    }
}

// The entries that send their command and keep what they set in the device state.
void PortMenus::sendSetting(const MenuEntry &entry, int port, TableWidget *grid)
{
    DeviceState *state = DeviceState::instance();
    switch (entry.action) {
    case MenuAction::Resolution:
        send(entry.command);
        state->setOutputResolutions(port, entry.text);
        break;
    case MenuAction::Freeze: {
        const bool frozen = !state->outputFrozen(port);
        send(entry.command);
        state->setOutputFrozen(port, frozen);
        if (TableItemWidget *cell = grid->cellForPort(port))
            cell->setFrozen(frozen);
        break;
    }
    case MenuAction::NoSignalInput:
        send(entry.command);
        state->setOutputLocked(port, entry.value == 1);
        if (TableItemWidget *cell = grid->cellForPort(port))
            cell->setOutputLock(entry.value == 1);
        break;
    case MenuAction::AudioMode:
        send(entry.command);
        break;
    case MenuAction::Hdcp:
        send(entry.command);
        state->setInputHdcp(port, entry.value);
        break;
    default:
        // Submenus and the input resolution list do nothing themselves.
        break;
    }
}

void PortMenus::splice(int port)
{
    VideoSplitManager *manager = m_host.bindManager ? m_host.bindManager() : nullptr;
    if (!manager)
        return;
    const QList<int> group = manager->groupOf(port);
    QList<int> outputs = group.size() > 1 ? group : QList<int>();
    if (outputs.isEmpty()) {
        for (TableWidget *grid : qAsConst(m_grids)) {
            if (auto *video = qobject_cast<VideoTableWidget *>(grid))
                outputs = video->selectedOutputs();
        }
    }
    if (outputs.isEmpty())
        outputs << port;
    if (!m_rights.outputsAllowed(outputs, true))
        return;
    manager->toggleGroup(outputs, true);
}

void PortMenus::switchLayout(int mode)
{
    DeviceState::instance()->setSpliceMode(mode);
    if (VideoSplitManager *manager = m_host.bindManager ? m_host.bindManager() : nullptr)
        manager->setSpliceLayout(true, DeviceState::instance()->spliceMode());
    MessageDistance::instance()->sendMode(mode);
    // The device binds the layout's outputs itself; ask for them once it has, as after a
    // plan recall, so the grid shows the groups without a Refresh.
    QTimer::singleShot(BindInfoDelayMs, this, [] { MessageDistance::instance()->sendBindInfo(); });
}

void PortMenus::openDialog(PortDialog dialog, int port, const QString &query)
{
    // A copy: the opener may replace itself while its dialog runs.
    const DialogOpener opener = m_openers.value(int(dialog));
    if (!opener)
        return;
    // The answer comes back queued, after the opener has its dialog ready.
    send(query);
    opener(port);
}

void PortMenus::openVolume(ListItem item, int port)
{
    VolumnSettingDialog dialog(
        PortMenuModel::volumePort(item, port, DeviceState::instance()->deviceType()),
        m_host.window);
    Dialogs::run(m_host.runDialog, dialog);
}

bool PortMenus::askName(const QString &oldName, QString *newName)
{
    RenameDialog dialog(oldName, m_host.window);
    bool renamed = false;
    connect(&dialog, &RenameDialog::Sig_SetNewName, this, [&](const QString &name) {
        *newName = name;
        renamed = true;
    });
    Dialogs::run(m_host.runDialog, dialog);
    return renamed;
}

void PortMenus::renameGridPort(TableWidget *grid, int port)
{
    if (!grid || port <= 0)
        return;
    const PortRename::Target target =
        PortRename::targetFor(GridLayout::Kind(grid->gridKind()), port);
    const QString oldName = target == PortRename::Target::VideoOutput
                                ? AppSettings::instance()->outputName(port)
                                : grid->portName(port);
    QString name;
    if (!askName(oldName, &name))
        return;
    PortRename::save(target, port, name);
    showOutputName(target, PortRename::storePort(target, port), name);
}

void PortMenus::renameListItem(ListWidget *list, QListWidgetItem *item)
{
    if (!list || !item)
        return;
    const int port = item->data(ListRoles::Port).toInt();
    if (port <= 0)
        return;
    QString oldName = item->data(ListRoles::Name).toString();
    if (oldName.isEmpty())
        oldName = item->text();
    const bool input = item->data(ListRoles::Kind).toInt() == ListRoles::InputKind;
    QString name;
    if (!askName(oldName, &name))
        return;
    // Rebuilding the list on the notification deletes `item`; it is not used again.
    PortRename::save(
        input ? PortRename::Target::Input : PortRename::Target::AudioSource, port, name);
}

void PortMenus::showOutputName(PortRename::Target target, int port, const QString &name)
{
    using T = PortRename::Target;
    for (TableWidget *grid : qAsConst(m_grids)) {
        const auto kind = GridLayout::Kind(grid->gridKind());
        switch (target) {
        case T::VideoOutput:
        case T::HdmiAudioOutput:
            if (kind == GridLayout::Kind::Video)
                grid->setPortName(port, name);
            else if (kind == GridLayout::Kind::HdmiAudio || kind == GridLayout::Kind::Audio0808S)
                grid->setPortName(100 + port, name);
            break;
        case T::AudioOutput:
            if (kind == GridLayout::Kind::Audio || kind == GridLayout::Kind::Audio0808S)
                grid->setPortName(port, name);
            break;
        case T::InfraredOutput:
            if (kind == GridLayout::Kind::Infrared)
                grid->setPortName(port, name);
            break;
        case T::Input:
        case T::AudioSource:
            break;
        }
    }
}

bool PortMenus::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == Qt::Key_F2) {
        if (auto *list = qobject_cast<ListWidget *>(watched)) {
            renameListItem(list, list->currentItem());
            return true;
        }
        auto *grid = qobject_cast<TableWidget *>(watched);
        if (grid && grid->currentItem()) {
            renameGridPort(grid, grid->currentItem()->data(ListRoles::Port).toInt());
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void PortMenus::recheck(const QList<QPointer<QAction>> &actions, const QString &wanted)
{
    for (const QPointer<QAction> &action : actions) {
        if (action)
            action->setChecked(action->data().toString() == wanted);
    }
}

void PortMenus::outputResolutionChanged(int port)
{
    if (port == m_openPort && !m_resolutionActions.isEmpty())
        recheck(m_resolutionActions, DeviceState::instance()->outputResolutions(port));
}

void PortMenus::hdcpChanged(int port)
{
    if (port == m_openPort && !m_hdcpActions.isEmpty())
        recheck(m_hdcpActions, QString::number(DeviceState::instance()->inputHdcp(port)));
}
