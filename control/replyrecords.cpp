#include "replyrecords.h"

#include "appsettings.h"
#include "commands.h"
#include "devicemodel.h"
#include "devicestate.h"
#include "jsonvalue.h"
#include "sigmanager.h"

#include <QDebug>
#include <QJsonArray>

namespace ReplyRecords {

namespace {

QString text(const QJsonObject &record, const char *key)
{
    return valueText(record.value(QLatin1String(key)));
}

// Four unsigned values from "a/b/c/d"; any other shape reads as four zeros.
std::array<uint, 4> fourValues(const QString &value)
{
    const QStringList parts = value.split(QLatin1Char('/'));
    std::array<uint, 4> out{{0, 0, 0, 0}};
    if (parts.size() == 4) {
        for (int i = 0; i < 4; ++i)
            out[size_t(i)] = parts.at(i).toUInt();
    }
    return out;
}

template<typename T> QMap<int, T> withoutPortZero(QMap<int, T> map)
{
    map.remove(0);
    return map;
}

} // namespace

bool portAfter(const QString &key, const QString &word, int *port)
{
    if (!key.contains(word))
        return false;
    const QStringList parts = key.split(word, Qt::SkipEmptyParts);
    if (parts.size() != 1)
        return false;
    *port = parts.first().toInt();
    return true;
}

int deviceCode(const QString &device)
{
    static const QStringList models{"0808", "0809", "0409-S", "0808-S", "0809-M"};
    return models.indexOf(device);
}

Version applyVersion(const QJsonObject &record)
{
    DeviceState *state = DeviceState::instance();
    Version version;
    version.code = deviceCode(text(record, "device"));
    if (version.code >= 0) {
        state->setDeviceType(version.code);
        if (DeviceModels::is(version.code, DeviceModel::Model0809M))
            state->setSplitterLayout(text(record, "Splitter").toInt());
    }
    AppSettings::instance()->setType(version.code >= 0 ? version.code : 1);

    state->setFpgaVersion(QStringLiteral("FPGA: ") + text(record, "FPGA"));
    state->setMcuVersion(QStringLiteral("MCU : ") + text(record, "MCU"));
    state->setDeviceModel(text(record, "type"));
    version.hdmiAudioFollowsVideo = record.value(QLatin1String("audio")).toVariant().toBool();

    const std::array<uint, 4> x = fourValues(text(record, "bezel_x"));
    const std::array<uint, 4> y = fourValues(text(record, "bezel_y"));
    state->setBezel(x[0], x[1], x[2], x[3], y[0], y[1], y[2], y[3]);
    return version;
}

QList<QPair<int, QString>> startUpQueries(int code)
{
    QList<QPair<int, QString>> queries{{0, Commands::status()},
                                       {100, Commands::inputInfo()},
                                       {200, Commands::netInfo()},
                                       {300, Commands::resolution()}};
    if (DeviceModels::is(code, DeviceModel::Model0409S)) {
        queries << qMakePair(400, Commands::getRotate());
        return queries;
    }
    queries << qMakePair(400, Commands::hdcpInfo()) << qMakePair(425, Commands::outputInfo());
    if (!DeviceModels::is(code, DeviceModel::Model0808S))
        queries << qMakePair(450, Commands::bindInfo());
    return queries;
}

void applyInputPresence(const QJsonObject &record)
{
    QMap<int, bool> present;
    for (auto it = record.begin(); it != record.end(); ++it) {
        const QStringList parts = it.key().split(QLatin1Char('-'));
        if (parts.size() == 2)
            present.insert(parts.at(1).toInt(), valueText(it.value()) == QLatin1String("true"));
    }
    DeviceState::instance()->setInputPresent(present);
}

void applyNetwork(const QJsonObject &record)
{
    DeviceState *state = DeviceState::instance();
    qDebug() << "******netinfo******";
    qDebug() << record;
    state->setDeviceAddress(text(record, "ip"));
    state->setGateway(text(record, "gateway"));
    state->setSubnetMask(text(record, "subnet"));
    state->setMacAddress(text(record, "mac"));
    qDebug().noquote() << state->deviceAddress() << state->gateway() << state->subnetMask()
                       << state->macAddress();
    qDebug() << "******netinfo******";
}

Routing applyRouting(const QJsonObject &record)
{
    DeviceState *state = DeviceState::instance();
    Routing routing;
    QMap<int, int> video, audio, ir;
    for (auto it = record.begin(); it != record.end(); ++it) {
        const QString &key = it.key();
        const QString value = valueText(it.value());
        int port = 0;
        if (key.contains(QLatin1String("video"))) {
            if (!portAfter(key, QStringLiteral("video"), &port))
                continue;
            if (port == 900) {
                const QStringList parts = value.split(QLatin1Char('/'));
                for (int i = 0; i < parts.size(); ++i)
                    routing.wallWindows.insert(i + 1, parts.at(i).toInt());
            } else {
                video.insert(port, value.toInt());
            }
        } else if (key.contains(QLatin1String("audio"))) {
            if (portAfter(key, QStringLiteral("audio"), &port))
                audio.insert(port, value.toInt());
        } else if (key.contains(QLatin1String("IR"))) {
            if (portAfter(key, QStringLiteral("IR"), &port))
                ir.insert(port, value.toInt());
        } else if (key.contains(QLatin1String("splice_mode"))) {
            state->setSpliceMode(value.toInt());
            routing.spliceMode = state->spliceMode();
        }
    }
    state->setVideoRouting(video);
    state->setAudioRouting(audio);
    state->setIrRouting(ir);
    return routing;
}

void applyResolutions(const QJsonObject &record)
{
    QMap<int, bool> present;
    for (int input = 1; input <= 8; ++input)
        present.insert(input, false);
    QMap<int, QString> inputs, outputs;
    for (auto it = record.begin(); it != record.end(); ++it) {
        const QString value = valueText(it.value());
        int port = 0;
        if (it.key().contains(QLatin1String("in"))) {
            if (portAfter(it.key(), QStringLiteral("in"), &port)) {
                inputs.insert(port, value);
                present.insert(port, value != QLatin1String("noinput"));
            }
        } else if (portAfter(it.key(), QStringLiteral("out"), &port)) {
            outputs.insert(port, value);
        }
    }
    DeviceState *state = DeviceState::instance();
    state->setInputPresent(present);
    state->setInputResolutions(inputs);
    state->setOutputResolutions(outputs);
}

void applyCaption(const QJsonObject &record)
{
    CaptionSettings caption;
    caption.switchOn = text(record, "Switch") == QLatin1String("true");
    caption.speed = text(record, "Speed").toInt();
    if (record.contains(QLatin1String("Color")))
        caption.color = text(record, "Color");
    caption.x = text(record, "Position_x").toInt();
    caption.y = text(record, "Position_y").toInt();
    caption.bgSwitchOn = text(record, "Bg_switch") == QLatin1String("true");
    if (record.contains(QLatin1String("Bg_Color")))
        caption.bgColor = text(record, "Bg_Color");
    if (record.contains(QLatin1String("Move_dir")))
        caption.direction = text(record, "Move_dir");
    DeviceState::instance()->setCaptionSettings(caption);
}

void applyVolumes(const QJsonObject &record)
{
    QMap<int, int> volume, mute;
    for (auto it = record.begin(); it != record.end(); ++it) {
        int port = 0;
        if (it.key().contains(QLatin1String("Volume"))) {
            if (portAfter(it.key(), QStringLiteral("Volume"), &port))
                volume.insert(port, valueText(it.value()).toInt());
        } else if (portAfter(it.key(), QStringLiteral("Mute"), &port)) {
            mute.insert(port, valueText(it.value()).toInt());
        }
    }
    DeviceState *state = DeviceState::instance();
    state->setVolume(withoutPortZero(volume));
    state->setAudioMuted(withoutPortZero(mute));
    emit SigManager::instance()->Sig_UpdateVolumes();
}

void applyOutputInfo(const QJsonObject &record)
{
    QMap<int, bool> linked, frozen, locked, muted;
    for (auto it = record.begin(); it != record.end(); ++it) {
        int output = 0;
        if (!portAfter(it.key(), QStringLiteral("link"), &output))
            continue;
        const QStringList parts = valueText(it.value()).split(QLatin1Char('/'));
        if (parts.size() != 4)
            continue;
        linked.insert(output, parts.at(0) == QLatin1String("true"));
        frozen.insert(output, parts.at(1) == QLatin1String("true"));
        locked.insert(output, parts.at(2) == QLatin1String("true"));
        muted.insert(output, parts.at(3) == QLatin1String("true"));
    }
    DeviceState *state = DeviceState::instance();
    state->setOutputLinked(withoutPortZero(linked));
    state->setOutputFrozen(withoutPortZero(frozen));
    state->setOutputLocked(withoutPortZero(locked));
    state->setOutputVideoMuted(withoutPortZero(muted));
    emit SigManager::instance()->Sig_UpdateOutputInfo();
}

void applyHdcp(const QJsonObject &record)
{
    QMap<int, int> hdcp;
    for (auto it = record.begin(); it != record.end(); ++it) {
        int input = 0;
        if (portAfter(it.key(), QStringLiteral("hdcp_in"), &input))
            hdcp.insert(input, valueText(it.value()).toInt());
    }
    DeviceState::instance()->setInputHdcp(hdcp);
}

void applyRotation(const QJsonObject &record)
{
    QMap<int, int> rotation;
    for (auto it = record.begin(); it != record.end(); ++it) {
        if (!it.key().contains(QLatin1String("Angle")))
            continue;
        // One digit: the device names outputs 1 to 9 only.
        const QChar last = it.key().at(it.key().size() - 1);
        const int output = last.unicode() <= 255 ? last.unicode() - '0' : -48;
        rotation.insert(output, valueText(it.value()).toInt());
    }
    DeviceState::instance()->setRotation(rotation);
}

void applyWindowAudio(const QJsonObject &record)
{
    const QJsonValue audio = record.value(QLatin1String("AUDIO"));
    if (audio.isUndefined())
        return;
    // One HDMI audio output, fed by the audio of one of the four inputs.
    const int input = valueText(audio.isArray() ? audio.toArray().first() : audio).toInt();
    DeviceState::instance()->setAudioRouting(101, input >= 1 && input <= 4 ? 100 + input : 0);
}

} // namespace ReplyRecords
