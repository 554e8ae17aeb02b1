#pragma once

#include "portmenumodel.h"
#include "portrename.h"
#include "portrights.h"
#include "rightswarning.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>

#include <functional>

class ListWidget;
class PermissionStore;
class QAction;
class QListWidgetItem;
class QMenu;
class TableWidget;
class VideoSplitManager;

// The context menus of the routing grids and the signal list, F2 rename and the
// double-click clear. Menus are built per request from PortMenuModel and hold no
// state once closed. Dialogs of other windows plug in through setDialogOpener.
// GUI thread.
class PortMenus : public QObject
{
    Q_OBJECT

public:
    // After a layout switch, the binding is asked for this much later.
    static constexpr int BindInfoDelayMs = 100;
    struct Host
    {
        QWidget *window = nullptr;   // parent of dialogs and menus
        DialogRunner runDialog;      // unset: exec
        PortRights::User actingUser; // unset: an administrator
        std::function<VideoSplitManager *()> bindManager;
        std::function<bool()> infraredPage;       // the list shows the infrared page
        std::function<void()> refreshList;        // rebuild the signal list from the store
        std::function<void()> refreshSources;     // redraw the grids' source labels
        std::function<bool()> refuseWhileOffline; // true (and says why): send nothing
    };
    // Shows a built menu; unset: exec at the cursor.
    using MenuRunner = std::function<void(QMenu &menu)>;
    using DialogOpener = std::function<void(int port)>;

    explicit PortMenus(Host host, QObject *parent = nullptr);
    ~PortMenus() override;

    // F2 rename on the grid; its menus come through showGridMenu.
    void attachGrid(TableWidget *grid);
    void attachList(ListWidget *list);
    // The opener shows the dialog for the port; the menu has already sent the dialog's
    // query (Get_Noinput, Get_Scaler, Get_OSD). Without an opener the entry is disabled.
    void setDialogOpener(PortDialog dialog, const DialogOpener &opener);
    void setMenuRunner(MenuRunner runner) { m_runMenu = std::move(runner); }
    // Adds actions for the source (n audio, 100 + n input) at the end of the list's menu.
    using ListExtras = std::function<void(QMenu *menu, int source)>;
    void setListExtras(ListExtras extras) { m_listExtras = std::move(extras); }

    // Builds the menu of a grid cell or list item and runs it; nothing for a locked
    // cell or a missing item.
    void showGridMenu(TableWidget *grid, int port);
    void showListMenu(ListWidget *list, QListWidgetItem *item);
    void renameGridPort(TableWidget *grid, int port);
    void renameListItem(ListWidget *list, QListWidgetItem *item);

    static QString menuStyle();

public slots:
    // Another client changed them: an open menu moves its check mark.
    void outputResolutionChanged(int port);
    void hdcpChanged(int port);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    PortMenuModel::Context context() const;
    void addEntries(QMenu *menu,
                    const QVector<MenuEntry> &entries,
                    int port,
                    TableWidget *grid,
                    ListWidget *list,
                    QListWidgetItem *item);
    void trigger(const MenuEntry &entry,
                 int port,
                 TableWidget *grid,
                 ListWidget *list,
                 QListWidgetItem *item);
    void sendSetting(const MenuEntry &entry, int port, TableWidget *grid);
    void runMenu(QMenu &menu);
    void splice(int port);
    void switchLayout(int mode);
    void openDialog(PortDialog dialog, int port, const QString &query);
    void openVolume(ListItem item, int port);
    bool askName(const QString &oldName, QString *newName);
    void showOutputName(PortRename::Target target, int port, const QString &name);
    void recheck(const QList<QPointer<QAction>> &actions, const QString &wanted);

    Host m_host;
    PortRights m_rights;
    MenuRunner m_runMenu;
    ListExtras m_listExtras;
    QHash<int, DialogOpener> m_openers;
    QList<TableWidget *> m_grids;
    // While a menu is open: its port and the checkable entries others may change.
    int m_openPort = 0;
    QList<QPointer<QAction>> m_resolutionActions;
    QList<QPointer<QAction>> m_hdcpActions;
};
