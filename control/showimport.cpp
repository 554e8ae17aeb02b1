#include "showimport.h"

#include "appsettings.h"
#include "devicestate.h"
#include "operatorcore.h"
#include "portnamestore.h"
#include "projectdb.h"
#include "projectdbcheck.h"
#include "showexport.h"
#include "showlocalstore.h"
#include "showsnapshot.h"
#include "sigmanager.h"

ShowImport::ShowImport(OperatorCore *core, QObject *parent)
    : QObject(parent)
    , m_core(core)
    , m_device(new ShowDeviceApply(core, this))
{
    connect(core, &OperatorCore::linkConnected, this, [this] {
        m_awaitingPicture = !m_pending.isEmpty();
    });
    // The routing record closes the start-up picture the preview compares with.
    connect(core, &OperatorCore::routingApplied, this, [this] {
        if (!m_awaitingPicture)
            return;
        m_awaitingPicture = false;
        if (!m_pending.isEmpty())
            emit devicePartsOffered();
    });
}

QString ShowImport::databaseProblem()
{
    using ProjectDbCheck::Verdict;
    const ProjectDbCheck::Result result = ProjectDbCheck::inspect(projectDbPath());
    switch (result.verdict) {
    case Verdict::Usable:
        return QString();
    case Verdict::ReadOnly:
        return tr("The project database is read-only: show files cannot be imported.");
    case Verdict::Locked:
        return tr("Another program holds the project database: show files cannot be imported.");
    case Verdict::Unreadable:
    case Verdict::Damaged:
        break;
    }
    return tr("The project database is damaged: show files cannot be imported.");
}

bool ShowImport::open(const QString &path, QString *error)
{
    m_doc = ShowDocument::readFile(path, error);
    return bool(m_doc);
}

ShowTarget ShowImport::target() const
{
    ShowTarget target;
    const AppSettings *settings = AppSettings::instance();
    target.ip = settings->ip();
    target.deviceCode = settings->deviceType();
    if (ShowExport::isOnline(m_core)) {
        target.deviceCode = m_core->state()->deviceType();
        target.live = ShowSnapshot::capture(*m_core->state(), m_core->bindGroups());
    }
    return target;
}

ShowPreview ShowImport::preview() const
{
    if (!m_doc)
        return ShowPreview();
    const ShowTarget where = target();
    return ShowPreview::build(*m_doc, ShowLocalStore().load(where.ip), where);
}

bool ShowImport::backUp(bool withDevice, QString *error)
{
    ShowDocument backup = ShowExport::collect(m_core, withDevice);
    // A name the file gives where there was none comes back as an empty one, so importing
    // the backup takes it away again.
    for (auto kind = m_doc->names.cbegin(); kind != m_doc->names.cend(); ++kind) {
        QMap<int, QString> &names = backup.names[kind.key()];
        for (const int port : kind.value().keys()) {
            if (!names.contains(port))
                names.insert(port, QString());
        }
    }
    for (const int index : m_doc->planNames.keys()) {
        if (!backup.planNames.contains(index))
            backup.planNames.insert(index, QString());
    }
    const QString path = ShowExport::backupPath();
    if (!backup.writeFile(path, error))
        return false;
    m_backup = path;
    return true;
}

bool ShowImport::apply(const ActingUser &user, const QSet<ShowPart> &parts, QString *error)
{
    if (!m_doc) {
        if (error)
            *error = tr("No show file is open.");
        return false;
    }
    const QString problem = databaseProblem();
    if (!problem.isEmpty()) {
        if (error)
            *error = problem;
        return false;
    }
    if (m_device->isRunning()) {
        if (error)
            *error = tr("The last show import is still being sent to the device.");
        return false;
    }
    const ShowTarget where = target();
    const ShowPreview plan = ShowPreview::build(*m_doc, ShowLocalStore().load(where.ip), where);
    QSet<ShowPart> device;
    for (const ShowPart part : parts) {
        if (!ShowPreview::isLocal(part) && m_doc->device)
            device.insert(part);
    }
    if (!backUp(where.live && !device.isEmpty(), error))
        return false;
    const ShowLocalStore::Parts local{parts.contains(ShowPart::Names),
                                      parts.contains(ShowPart::Plans),
                                      parts.contains(ShowPart::Salvos)};
    if ((local.names || local.plans || local.salvos) &&
        !ShowLocalStore().write(plan.fitted, where.ip, local, error))
        return false;
    if (local.names) {
        AppSettings *settings = AppSettings::instance();
        settings->setInputNames(PortNameStore::loadPortNames(PortNameStore::InputVideo));
        settings->setAudioNames(PortNameStore::loadPortNames(PortNameStore::InputAudio));
        settings->setOutputNames(PortNameStore::loadPortNames(PortNameStore::OutputVideo));
        SigManager *hub = SigManager::instance();
        for (const int port : m_doc->names.value(ShowDocument::Names::VideoInputs).keys()) {
            emit hub->Sig_RenameInputSignals(port);
            emit hub->Sig_RenameInputHDMIAudioSignals(port);
        }
        for (const int port : m_doc->names.value(ShowDocument::Names::AudioInputs).keys())
            emit hub->Sig_RenameInputAudioSignals(port);
    }
    QSet<ShowPart> written = parts;
    written.subtract(device);
    emit localApplied(written);
    if (device.isEmpty())
        return true;
    if (!where.live) {
        m_pending = device;
        return true;
    }
    m_pending.clear();
    return m_device->start(user, plan.device, device);
}
