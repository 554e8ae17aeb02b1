#include "windowrules.h"

#include "actinguser.h"
#include "devicemodel.h"
#include "devicestate.h"
#include "localrouting.h"
#include "permissionstore.h"

#include <QCoreApplication>

namespace WindowRules {

namespace {
const char *const ProductWord = "ZEL";

QString windowText(const char *text)
{
    // The texts stay in the window's catalogue context.
    return QCoreApplication::translate("Widget", text);
}
} // namespace

bool outputsPermitted(const ActingUser &user, const QList<int> &outputs)
{
    for (int o : outputs) {
        if (!user.portAllowed(o, PermissionStore::Output))
            return false;
    }
    return true;
}

PortRights::Refused dropRefusedBy(const ActingUser &user,
                                  int kind,
                                  int output,
                                  const GridLayout::DropRights &asked,
                                  const BindGroups *bind)
{
    using Refused = PortRights::Refused;
    if (!asked.checked)
        return {};
    if (asked.outputPort > 0 && !user.portAllowed(asked.outputPort, asked.outputCategory))
        return Refused{asked.outputPort, asked.outputCategory};
    if (asked.functionRight > 0 && !user.functionAllowed(asked.functionRight))
        return Refused{asked.functionRight, -1};
    if (asked.sourcePort > 0 && !user.portAllowed(asked.sourcePort, asked.sourceCategory))
        return Refused{asked.sourcePort, asked.sourceCategory};
    if (kind == int(GridLayout::Kind::Video)) {
        const QList<int> reached = LocalRouting::outputsReached(output, bind);
        for (int o : reached) {
            if (!user.portAllowed(o, PermissionStore::Output))
                return Refused{o, PermissionStore::Output};
        }
    }
    return {};
}

bool dropAllowed(const ActingUser &user,
                 int kind,
                 int output,
                 const GridLayout::DropRights &asked,
                 const BindGroups *bind)
{
    return dropRefusedBy(user, kind, output, asked, bind).number < 0;
}

QMap<int, int> gridRoutes(GridLayout::RefreshKind kind, const DeviceState &state)
{
    using GridLayout::RefreshKind;
    QMap<int, int> shown;
    QMap<int, int> all;
    switch (kind) {
    case RefreshKind::Video:
    case RefreshKind::Infrared:
        all = kind == RefreshKind::Video ? state.videoRouting() : state.irRouting();
        for (auto it = all.cbegin(); it != all.cend(); ++it) {
            if (it.value() < 100)
                shown.insert(it.key(), it.value());
        }
        break;
    case RefreshKind::Audio:
    case RefreshKind::HdmiAudio:
    case RefreshKind::Audio0808S:
        all = state.audioRouting();
        for (auto it = all.cbegin(); it != all.cend(); ++it) {
            // Output 100 shows on both audio grids, as it always has; the 0808-S grid
            // holds analogue output 1 and the HDMI audio outputs alike.
            if (kind == RefreshKind::Audio0808S ||
                (kind == RefreshKind::HdmiAudio && it.key() >= 100) ||
                (kind == RefreshKind::Audio && it.key() <= 100))
                shown.insert(it.key(), it.value());
        }
        break;
    default:
        break;
    }
    return shown;
}

bool showsInput(GridLayout::RefreshKind kind)
{
    return kind == GridLayout::RefreshKind::Video || kind == GridLayout::RefreshKind::Infrared;
}

OutputNames outputNames(int deviceCode,
                        const QMap<int, QString> &storedVideo,
                        const QMap<int, QString> &storedInfrared,
                        const QMap<int, QString> &storedAudio)
{
    const int outputs = DeviceModels::outputCount(DeviceModels::fromCodeOr(deviceCode));
    OutputNames names;
    for (int n = 1; n <= outputs; ++n) {
        const QString fallback = windowText(QT_TRANSLATE_NOOP("Widget", "Output %1")).arg(n);
        const QString video = storedVideo.value(n);
        const QString ir = storedInfrared.value(n);
        const QString audio = storedAudio.value(n);
        names.video.insert(n, video.isEmpty() ? fallback : video);
        names.infrared.insert(n, ir.isEmpty() ? fallback : ir);
        names.audio.insert(
            n,
            audio.isEmpty() ? windowText(QT_TRANSLATE_NOOP("Widget", "Audio %1")).arg(n) : audio);
        names.hdmiAudio.insert(100 + n, names.video.value(n));
    }
    return names;
}

QString titleText(int connectionState, const QString &ip, int port, const QString &user)
{
    QString text;
    switch (connectionState) {
    case 2:
        text =
            windowText(QT_TRANSLATE_NOOP("Widget", "%4Vantor  User:%3  Ip:%1  Port:%2 connected"));
        break;
    case 0:
        text = windowText(
            QT_TRANSLATE_NOOP("Widget", "%4Vantor  User:%3  Ip:%1  Port:%2 disconnected"));
        break;
    default:
        text =
            windowText(QT_TRANSLATE_NOOP("Widget", "%4Vantor  User:%3  Ip:%1  Port:%2 connecting"));
        break;
    }
    const QString portText = QString::number(port);
    // One pass, so a user name holding "%1" stays as typed.
    QString out;
    for (int i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('%') && i + 1 < text.size()) {
            const QChar n = text.at(i + 1);
            if (n == QLatin1Char('1')) {
                out += ip;
                ++i;
                continue;
            }
            if (n == QLatin1Char('2')) {
                out += portText;
                ++i;
                continue;
            }
            if (n == QLatin1Char('3')) {
                out += user;
                ++i;
                continue;
            }
            if (n == QLatin1Char('4')) {
                out += QLatin1String(ProductWord);
                ++i;
                continue;
            }
        }
        out += text.at(i);
    }
    return out;
}

} // namespace WindowRules
