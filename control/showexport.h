#pragma once

#include "showdocument.h"

#include <QString>

class OperatorCore;

// Gathers a show file from this computer (names, plan names and salvos of the device
// address in config.ini) and, when asked, the client's picture of the device; writes it
// through QSaveFile. GUI thread.
class ShowExport
{
    Q_DECLARE_TR_FUNCTIONS(ShowExport)

public:
    // The model is the connected device's, else the one in config.ini.
    static ShowDocument collect(const OperatorCore *core, bool withDevice);
    static bool
    write(const OperatorCore *core, bool withDevice, const QString &path, QString *error);
    // "show-backup-yyyyMMdd-hhmmss.json" in the data directory, never an existing file.
    static QString backupPath();
    // Whether the core's link is up and its picture can be exported.
    static bool isOnline(const OperatorCore *core);
};
