#pragma once

#include "actinguser.h"
#include "showdeviceapply.h"
#include "showdocument.h"
#include "showpreview.h"

#include <QObject>
#include <QSet>
#include <QString>

#include <optional>

class OperatorCore;

// Importing a show file, as the operator goes through it: open (the reader's checks),
// preview against project.db and the live device, then apply the parts picked. Before
// anything changes, what is there now is exported to a backup file in the data directory,
// so the import can be undone by importing that file. The local parts go to project.db in
// one transaction; the device parts go through the route pacer and are verified. Device
// parts picked while offline wait for the connection and are offered again then.
// GUI thread.
class ShowImport : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(ShowImport)

public:
    explicit ShowImport(OperatorCore *core, QObject *parent = nullptr);

    // Why show files cannot be imported now (a read-only or damaged project.db), or empty.
    static QString databaseProblem();

    bool open(const QString &path, QString *error);
    void setDocument(const ShowDocument &doc) { m_doc = doc; }
    const std::optional<ShowDocument> &document() const { return m_doc; }

    // config.ini's address; the live model and picture when connected, else config.ini's model.
    ShowTarget target() const;
    ShowPreview preview() const;

    // Backs up, writes the local parts in `parts`, then sends the device parts (online) or
    // keeps them for the next connection. False with *error set when nothing was changed.
    bool apply(const ActingUser &user, const QSet<ShowPart> &parts, QString *error);
    QString lastBackup() const { return m_backup; }
    QSet<ShowPart> pendingDeviceParts() const { return m_pending; }
    void dropPendingDeviceParts() { m_pending.clear(); }
    ShowDeviceApply *device() const { return m_device; }

signals:
    // project.db has the local parts; `parts` the ones written.
    void localApplied(QSet<ShowPart> parts);
    // The connection is back and its picture is in: the waiting device parts can be shown.
    void devicePartsOffered();

private:
    bool backUp(bool withDevice, QString *error);

    OperatorCore *m_core;
    ShowDeviceApply *m_device;
    std::optional<ShowDocument> m_doc;
    QString m_backup;
    QSet<ShowPart> m_pending;
    bool m_awaitingPicture = false;
};
