#include "edidrules.h"

#include "appsettings.h"
#include "commands.h"
#include "devicemodel.h"

#include <QFile>
#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcEdid, "zel.upload.edid")

int EdidRules::outputCount(int deviceType)
{
    return DeviceModels::outputCount(DeviceModels::fromCodeOr(deviceType));
}

QStringList EdidRules::outputLabels(int deviceType)
{
    QStringList labels;
    for (int port = 1; port <= outputCount(deviceType); ++port)
        labels << QStringLiteral("[%1] %2").arg(port).arg(
            AppSettings::instance()->outputName(port));
    return labels;
}

QStringList EdidRules::builtInNames()
{
    return {QStringLiteral("4K@60/HDMI"),
            QStringLiteral("4K@30/HDMI"),
            QStringLiteral("1080P@60/HDMI"),
            QStringLiteral("1080P@60/DVI"),
            tr("4K@60Recommend1080P@60")};
}

QString EdidRules::copyCommand(int input, int outputIndex)
{
    return Commands::copyEdid(input, outputIndex + 1);
}

QString EdidRules::builtInCommand(int input, int code)
{
    return Commands::edidSel(input, code);
}

QString EdidRules::announce(int input)
{
    return Commands::updateEdid(input);
}

QByteArray EdidRules::readFile(const QString &path, Message *message)
{
    QFile file(path);
    if (!file.exists() || file.size() == 0) {
        *message = {tr("error"), tr("File is empty")};
        return QByteArray();
    }
    if (file.size() > MaxFileBytes) {
        qCWarning(lcEdid) << "EDID file too large:" << path << file.size();
        *message = {tr("error"),
                    tr("The file is too large for an EDID (%1 bytes, at most %2).")
                        .arg(file.size())
                        .arg(MaxFileBytes)};
        return QByteArray();
    }
    if (!file.open(QIODevice::ReadOnly)) {
        qCWarning(lcEdid) << "cannot read EDID file:" << path << file.errorString();
        *message = {tr("error"), tr("The file cannot be read.")};
        return QByteArray();
    }
    QByteArray bytes = file.readAll();
    if (bytes.isEmpty())
        *message = {tr("error"), tr("The file cannot be read.")};
    return bytes;
}
