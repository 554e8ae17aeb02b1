#include "wallcontrols.h"
#include "ui_widget.h"

#include "changeapplier.h"
#include "devicestate.h"
#include "gridwiring.h"
#include "layouticons.h"
#include "messagedistance.h"
#include "operatorcore.h"
#include "singlesplitterwidget.h"
#include "splicemodes.h"
#include "splitterlayout.h"
#include "videosplitmanager.h"
#include "wallgroupbutton.h"
#include "windowcontext.h"
#include "windowrules.h"

#include <QButtonGroup>

WallControls::WallControls(WindowContext &context, GridWiring *grids, QWidget *window)
    : QObject(window)
    , m_context(context)
    , m_grids(grids)
{
    Ui::Widget *ui = m_context.ui;
    m_splitterGroup = new QButtonGroup(this);
    QPushButton *splitters[] = {ui->btn_splitter_0,
                                ui->btn_splitter_1,
                                ui->btn_splitter_2,
                                ui->btn_splitter_3,
                                ui->btn_splitter_4,
                                ui->btn_splitter_5,
                                ui->btn_splitter_6};
    for (int i = 0; i < 7; ++i) {
        m_splitterGroup->addButton(splitters[i], i);
        // The layout's own picture beside its number.
        splitters[i]->setIcon(LayoutIcons::areas(SplitterLayout::areas(i).values(), QSize(40, 24)));
        splitters[i]->setIconSize(QSize(40, 24));
    }
    ui->btn_splitter_0->setChecked(true);

    m_multiviewGroup = new QButtonGroup(this);
    m_multiviewGroup->addButton(ui->btn_vir_1, 0);
    m_multiviewGroup->addButton(ui->btn_vir_2, 1);
    m_multiviewGroup->addButton(ui->btn_vir_3, 2);

    m_planGroup = new QButtonGroup(this);
    m_planGroup2 = new QButtonGroup(this);
    for (int i = 1; i <= 10; ++i) {
        auto *plan = window->findChild<QPushButton *>(QStringLiteral("btn_plan%1").arg(i));
        auto *plan2 = window->findChild<QPushButton *>(QStringLiteral("btn_plan%1_2").arg(i));
        m_planGroup->addButton(plan, i - 1);
        m_planGroup2->addButton(plan2, i - 1);
        plan->setText(QString::number(i));
        plan2->setText(QString::number(i));
    }

    m_wallGroup = new QButtonGroup(this);
    WallGroupButton *walls[] = {ui->btn_spliceMode0,
                                ui->btn_spliceMode1,
                                ui->btn_spliceMode2,
                                ui->btn_spliceMode3,
                                ui->btn_spliceMode4,
                                ui->btn_spliceMode5};
    for (int i = 0; i < 6; ++i) {
        walls[i]->setOutputs(VideoSplitManager::presetOutputs(i));
        m_wallGroup->addButton(walls[i], i);
    }
    ui->btn_spliceMode0->setChecked(true);

    // Another client's layout: shown and locked here too, without a word back.
    connect(m_context.core->changes(), &ChangeApplier::splitterLayoutChanged, this, [this](int id) {
        m_context.ui->wid_ss->setLayout(id);
        const QSignalBlocker blocker(m_splitterGroup);
        if (QAbstractButton *b = m_splitterGroup->button(id))
            b->setChecked(true);
    });
}

QList<QAbstractButton *> WallControls::planButtons() const
{
    return m_planGroup->buttons() + m_planGroup2->buttons();
}

void WallControls::selectSplitterLayout(int id)
{
    DeviceState::instance()->selectSplitterLayout(id);
    MessageDistance::instance()->sendSplitter(id);
    m_context.ui->videoTableWidget->setOutput9Locked(id != 0);
    m_grids->refreshGrid(GridLayout::RefreshKind::Video);
    m_context.ui->videoTableWidget->restyleCells();
}

void WallControls::applySpliceMode(int mode, bool send)
{
    DeviceState *state = DeviceState::instance();
    const int previous = state->spliceMode();
    QList<int> touched;
    if (!m_context.core->applySpliceMode(m_context.actingUser(), mode, send, &touched)) {
        emit permissionWarning();
        if (QAbstractButton *b = m_wallGroup->button(previous))
            b->setChecked(true);
        return;
    }
    for (int o : touched)
        m_grids->updateVideoCell(o);
    if (!touched.isEmpty())
        m_grids->refreshGrid(GridLayout::RefreshKind::Video);
    if (QAbstractButton *b = m_wallGroup->button(mode))
        b->setChecked(true);
    if (send)
        emit presetTaken(previous, mode);
}
