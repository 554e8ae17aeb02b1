#pragma once

#include "titleosdrules.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QStringList>

// What the EDID dialog decides, without the dialog: its two lists, its commands and
// which files may be sent.
class EdidRules
{
    Q_DECLARE_TR_FUNCTIONS(EdidSettingDilog)

public:
    using Message = TitleOsdRules::Message;

    // 8 outputs for device codes 0 and 3, otherwise 9.
    static int outputCount(int deviceType);
    // "[n] name" per output, names from the settings' output names.
    static QStringList outputLabels(int deviceType);
    // Index = the code sent.
    static QStringList builtInNames();

    static QString copyCommand(int input, int outputIndex);
    static QString builtInCommand(int input, int code);
    static QString announce(int input);

    // The file's bytes, or an empty array with *message saying why nothing may be sent:
    // missing or empty, unreadable, or larger than any EDID (MaxFileBytes).
    static QByteArray readFile(const QString &path, Message *message);

    // 256 blocks of 128 bytes: a base block and every extension block there can be.
    static constexpr qint64 MaxFileBytes = 32 * 1024;
};
