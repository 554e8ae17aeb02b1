#include "showwiring.h"

#include "dialogconfirm.h"
#include "gridlayout.h"
#include "linkstatusview.h"
#include "plancontroller.h"
#include "salvocontroller.h"
#include "salvowiring.h"
#include "showexport.h"
#include "showimport.h"
#include "showimportdialog.h"
#include "tablewidget.h"
#include "ui_widget.h"
#include "windowcontext.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QPushButton>

namespace {

QVector<ShowImportDialog::Part> dialogParts(const ShowPreview &preview, const QSet<ShowPart> &only)
{
    QVector<ShowImportDialog::Part> parts;
    for (const ShowPreview::Section &section : preview.sections) {
        if (!only.isEmpty() && !only.contains(section.part))
            continue;
        ShowImportDialog::Part part;
        part.id = int(section.part);
        part.title = ShowPreview::title(section.part);
        part.changes = section.changes;
        part.available = section.available;
        part.local = section.local;
        parts.append(part);
    }
    return parts;
}

} // namespace

ShowWiring::ShowWiring(QWidget *window,
                       WindowContext &context,
                       LinkStatusView *status,
                       PlanController *plans)
    : QObject(window)
    , m_window(window)
    , m_context(context)
    , m_status(status)
    , m_plans(plans)
    , m_import(new ShowImport(context.core, this))
    , m_button(new QPushButton(tr("Show File"), window))
{
    m_button->setObjectName(QStringLiteral("btnShowFile"));
    m_button->setMinimumHeight(34);
    auto *menu = new QMenu(m_button);
    connect(menu->addAction(tr("Export show...")), &QAction::triggered, this, [this] {
        exportShow(false);
    });
    connect(menu->addAction(tr("Export show with device state...")),
            &QAction::triggered,
            this,
            [this] { exportShow(true); });
    m_importAction = menu->addAction(tr("Import show..."));
    connect(m_importAction, &QAction::triggered, this, &ShowWiring::importShow);
    m_problem = menu->addAction(QString());
    m_problem->setEnabled(false);
    connect(menu, &QMenu::aboutToShow, this, &ShowWiring::refreshActions);
    m_button->setMenu(menu);
    context.ui->generalButtons->addWidget(m_button, 2, 0);

    m_choose = [this](bool save) {
        const QString filter = tr("Show files (*.json)");
        return save ? QFileDialog::getSaveFileName(
                          m_window, tr("Export show"), QStringLiteral("show.json"), filter)
                    : QFileDialog::getOpenFileName(m_window, tr("Import show"), QString(), filter);
    };
    connect(m_import->device(), &ShowDeviceApply::finished, this, &ShowWiring::deviceFinished);
    connect(m_import->device(), &ShowDeviceApply::progress, this, [this](int done, int total) {
        m_status->showNote(tr("Show import: %1 of %2 commands sent").arg(done).arg(total));
    });
    connect(m_import, &ShowImport::localApplied, this, [this](const QSet<ShowPart> &parts) {
        if (parts.contains(ShowPart::Plans) && m_plans)
            m_plans->loadNames();
        if (parts.contains(ShowPart::Names))
            showOutputNames();
        // The salvo list shows the imported salvos.
        auto *salvos = m_window->findChild<SalvoWiring *>();
        if (parts.contains(ShowPart::Salvos) && salvos)
            salvos->controller()->reload();
    });
    connect(m_import, &ShowImport::devicePartsOffered, this, [this] {
        previewAndApply(tr("the waiting show file"));
    });
    refreshActions();
}

void ShowWiring::showOutputNames()
{
    using Kind = GridLayout::Kind;
    using Names = ShowDocument::Names;
    if (!m_import->document())
        return;
    const auto &names = m_import->document()->names;
    // The grid kinds that show each kind of output name, and the offset of their ports.
    const struct
    {
        Names names;
        Kind grid;
        int base;
    } shows[] = {
        {Names::VideoOutputs, Kind::Video, 0},
        {Names::VideoOutputs, Kind::HdmiAudio, 100},
        {Names::VideoOutputs, Kind::Audio0808S, 100},
        {Names::AudioOutputs, Kind::Audio, 0},
        {Names::AudioOutputs, Kind::Audio0808S, 0},
        {Names::InfraredOutputs, Kind::Infrared, 0},
    };
    for (TableWidget *grid : m_window->findChildren<TableWidget *>()) {
        for (const auto &show : shows) {
            if (Kind(grid->gridKind()) != show.grid)
                continue;
            const QMap<int, QString> map = names.value(show.names);
            for (auto it = map.cbegin(); it != map.cend(); ++it)
                grid->setPortName(show.base + it.key(), it.value());
        }
    }
}

void ShowWiring::refreshActions()
{
    const QString problem = ShowImport::databaseProblem();
    m_importAction->setEnabled(problem.isEmpty());
    m_problem->setText(problem);
    m_problem->setVisible(!problem.isEmpty());
}

void ShowWiring::exportShow(bool withDevice)
{
    if (withDevice && !ShowExport::isOnline(m_context.core)) {
        m_status->showMessage(tr("The device is not connected: its state cannot be exported."));
        return;
    }
    const QString path = m_choose ? m_choose(true) : QString();
    if (path.isEmpty())
        return;
    QString error;
    if (ShowExport::write(m_context.core, withDevice, path, &error))
        m_status->showNote(tr("Show exported to %1").arg(QFileInfo(path).fileName()));
    else
        m_status->showMessage(error);
}

void ShowWiring::importShow()
{
    const QString problem = ShowImport::databaseProblem();
    if (!problem.isEmpty()) {
        m_status->showMessage(problem);
        return;
    }
    const QString path = m_choose ? m_choose(false) : QString();
    if (path.isEmpty())
        return;
    QString error;
    if (!m_import->open(path, &error)) {
        m_status->showMessage(error);
        return;
    }
    m_import->dropPendingDeviceParts();
    previewAndApply(QFileInfo(path).fileName());
}

void ShowWiring::previewAndApply(const QString &fileName)
{
    const ShowPreview preview = m_import->preview();
    const QSet<ShowPart> waiting = m_import->pendingDeviceParts();
    ShowImportDialog dialog(
        fileName, dialogParts(preview, waiting), preview.notes, preview.leftOut, m_window);
    if (m_context.run(dialog) != QDialog::Accepted)
        return;
    QSet<ShowPart> parts;
    for (const int id : dialog.chosen())
        parts.insert(ShowPart(id));
    if (parts.isEmpty())
        return;
    QString error;
    if (!m_import->apply(m_context.actingUser(), parts, &error)) {
        m_status->showMessage(error);
        return;
    }
    const QString backup = QFileInfo(m_import->lastBackup()).fileName();
    m_status->showNote(m_import->pendingDeviceParts().isEmpty()
                           ? tr("Show imported. To undo, import %1.").arg(backup)
                           : tr("Show imported; the device parts wait for the device. To undo, "
                                "import %1.")
                                 .arg(backup));
}

void ShowWiring::deviceFinished(const ShowDeviceApply::Report &report)
{
    if (!report.verified) {
        m_status->showMessage(tr("Show import sent; the device did not confirm the routes."));
        return;
    }
    QStringList refused;
    for (const auto &r : report.refused)
        refused << r.second;
    if (report.missing.isEmpty()) {
        m_status->showNote(
            refused.isEmpty()
                ? tr("Show import applied on the device.")
                : tr("Show import applied; skipped: %1").arg(refused.join(QStringLiteral("; "))));
        return;
    }
    QStringList missing;
    for (const ShowRoute &route : report.missing)
        missing << ShowPreview::cellText(route);
    if (ask(tr("These routes did not take: %1. Send them again?").arg(missing.join(", "))))
        m_import->device()->resendMissing();
}

bool ShowWiring::ask(const QString &text)
{
    DialogConfirm dialog(m_window, tr("Import show"), text);
    return m_context.run(dialog) == 1;
}
