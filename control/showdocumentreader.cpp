#include "showdocument.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

#include <cmath>
#include <limits>

namespace {

// Reads one document; the first refusal stops it and is kept in `error`.
class Reader
{
    Q_DECLARE_TR_FUNCTIONS(ShowDocument)

public:
    QString error;

    bool fail(const QString &text)
    {
        if (error.isEmpty())
            error = text;
        return false;
    }
    bool outOfRange(const QString &where)
    {
        return fail(tr("%1 is missing or out of range.").arg(where));
    }

    bool
    integer(const QJsonValue &value, const QString &where, qint64 low, qint64 high, qint64 *out)
    {
        const double d = value.toDouble(std::numeric_limits<double>::quiet_NaN());
        if (!value.isDouble() || !std::isfinite(d) || std::floor(d) != d || d < double(low) ||
            d > double(high))
            return outOfRange(where);
        *out = qint64(d);
        return true;
    }
    bool integer(const QJsonValue &value, const QString &where, int low, int high, int *out)
    {
        qint64 wide = 0;
        if (!integer(value, where, qint64(low), qint64(high), &wide))
            return false;
        *out = int(wide);
        return true;
    }
    bool port(const QString &key, const QString &where, int low, int high, int *out)
    {
        bool ok = false;
        const int n = key.toInt(&ok);
        if (!ok || n < low || n > high || key != QString::number(n))
            return outOfRange(where);
        *out = n;
        return true;
    }
    bool name(const QJsonValue &value, const QString &where, bool allowEmpty, QString *out)
    {
        if (!value.isString() || (!allowEmpty && value.toString().trimmed().isEmpty()))
            return outOfRange(where);
        // The salvo store keeps names trimmed; the same text must come back on export.
        const QString text = allowEmpty ? value.toString() : value.toString().trimmed();
        if (text.toUcs4().size() > ShowDocument::MaxNameLength) {
            return fail(tr("The name \"%1...\" at %2 is longer than %3 characters.")
                            .arg(text.left(20), where)
                            .arg(ShowDocument::MaxNameLength));
        }
        *out = text;
        return true;
    }
    bool object(const QJsonObject &parent, const char *key, const QString &where, QJsonObject *out)
    {
        const QJsonValue value = parent.value(QLatin1String(key));
        if (value.isUndefined() || value.isNull()) {
            *out = QJsonObject();
            return true;
        }
        if (!value.isObject())
            return outOfRange(where);
        *out = value.toObject();
        return true;
    }
    bool array(const QJsonValue &value, const QString &where, int maxSize, QJsonArray *out)
    {
        if (value.isUndefined() || value.isNull()) {
            *out = QJsonArray();
            return true;
        }
        if (!value.isArray() || value.toArray().size() > maxSize)
            return outOfRange(where);
        *out = value.toArray();
        return true;
    }

    template<typename V, typename F>
    bool
    intMap(const QJsonObject &object, const QString &where, int maxKey, QMap<int, V> *out, F read)
    {
        for (auto it = object.begin(); it != object.end(); ++it) {
            const QString at = where + QLatin1Char('.') + it.key();
            int key = 0;
            V value{};
            if (!port(it.key(), at, 1, maxKey, &key) || !read(it.value(), at, &value))
                return false;
            out->insert(key, value);
        }
        return true;
    }

    bool routes(const QJsonValue &value, const QString &where, QVector<ShowRoute> *out);
    bool header(const QJsonObject &root, ShowDocument *doc);
    bool names(const QJsonObject &root, ShowDocument *doc);
    bool salvos(const QJsonObject &root, ShowDocument *doc);
    bool device(const QJsonObject &root, ShowDocument *doc);
    bool wall(const QJsonObject &object, ShowDeviceSnapshot *d);
    bool windows(const QJsonObject &object, ShowDeviceSnapshot *d);
};

bool Reader::routes(const QJsonValue &value, const QString &where, QVector<ShowRoute> *out)
{
    QJsonArray list;
    if (!array(value, where, ShowDocument::MaxRoutes, &list))
        return false;
    QSet<QString> seen;
    for (int i = 0; i < list.size(); ++i) {
        const QString at = QStringLiteral("%1[%2]").arg(where).arg(i);
        const QJsonObject o = list.at(i).toObject();
        ShowRoute route;
        route.kind = o.value(QLatin1String("kind")).toString();
        if (!integer(o.value(QLatin1String("output")),
                     at + QStringLiteral(".output"),
                     0,
                     999,
                     &route.output) ||
            !integer(o.value(QLatin1String("source")),
                     at + QStringLiteral(".source"),
                     0,
                     999,
                     &route.source))
            return false;
        if (!ShowDocument::routeInRange(route))
            return outOfRange(at);
        const QString key = route.kind + QLatin1Char('/') + QString::number(route.output);
        if (seen.contains(key))
            return fail(tr("%1 routes an output a second time.").arg(at));
        seen.insert(key);
        out->append(route);
    }
    return true;
}

bool Reader::header(const QJsonObject &root, ShowDocument *doc)
{
    if (root.value(QLatin1String("format")).toString() != QLatin1String("zeldesk-show"))
        return fail(tr("The file is not a show file."));
    const QJsonValue version = root.value(QLatin1String("version"));
    const double v = version.toDouble(-1);
    if (!version.isDouble() || v < 1 || std::floor(v) != v)
        return fail(tr("The file gives no valid format version."));
    if (v > ShowDocument::Version) {
        return fail(tr("The file has format version %1; this client reads version %2.")
                        .arg(QString::number(v, 'g', 12))
                        .arg(ShowDocument::Version));
    }
    const auto model = ShowDocument::modelFromText(root.value(QLatin1String("model")).toString());
    if (!model)
        return fail(tr("The file names no known device model."));
    doc->model = *model;
    return true;
}

bool Reader::names(const QJsonObject &root, ShowDocument *doc)
{
    QJsonObject all;
    if (!object(root, "names", QStringLiteral("names"), &all))
        return false;
    const auto readName = [this](const QJsonValue &v, const QString &at, QString *out) {
        return name(v, at, true, out);
    };
    for (const ShowDocument::Names kind : ShowDocument::nameKinds()) {
        const QString key = ShowDocument::namesKey(kind);
        QJsonObject one;
        QMap<int, QString> map;
        if (!object(all, key.toLatin1().constData(), QStringLiteral("names.") + key, &one) ||
            !intMap(
                one, QStringLiteral("names.") + key, ShowDocument::maxPort(kind), &map, readName))
            return false;
        if (!map.isEmpty())
            doc->names.insert(kind, map);
    }
    QJsonObject plans;
    if (!object(root, "plans", QStringLiteral("plans"), &plans))
        return false;
    // Plan indexes count from 0, so the key check runs on index + 1.
    for (auto it = plans.begin(); it != plans.end(); ++it) {
        const QString at = QStringLiteral("plans.") + it.key();
        int index = 0;
        QString text;
        if (!port(it.key(), at, 0, ShowDocument::PlanCount - 1, &index) ||
            !name(it.value(), at, true, &text))
            return false;
        doc->planNames.insert(index, text);
    }
    return true;
}

bool Reader::salvos(const QJsonObject &root, ShowDocument *doc)
{
    QJsonArray list;
    if (!array(root.value(QLatin1String("salvos")),
               QStringLiteral("salvos"),
               ShowDocument::MaxSalvos,
               &list))
        return false;
    QSet<QString> seen;
    for (int i = 0; i < list.size(); ++i) {
        const QString at = QStringLiteral("salvos[%1]").arg(i);
        const QJsonObject o = list.at(i).toObject();
        ShowSalvo salvo;
        if (!name(
                o.value(QLatin1String("name")), at + QStringLiteral(".name"), false, &salvo.name) ||
            !routes(
                o.value(QLatin1String("routes")), at + QStringLiteral(".routes"), &salvo.routes))
            return false;
        if (seen.contains(salvo.name))
            return fail(tr("The salvo name \"%1\" is used twice.").arg(salvo.name));
        seen.insert(salvo.name);
        doc->salvos.append(salvo);
    }
    return true;
}

bool Reader::wall(const QJsonObject &o, ShowDeviceSnapshot *d)
{
    QJsonArray groups;
    if (!array(
            o.value(QLatin1String("wallGroups")), QStringLiteral("device.wallGroups"), 9, &groups))
        return false;
    QSet<int> used;
    for (int i = 0; i < groups.size(); ++i) {
        const QString at = QStringLiteral("device.wallGroups[%1]").arg(i);
        const QJsonArray members = groups.at(i).toArray();
        if (members.size() < 2 || members.size() > 9)
            return outOfRange(at);
        QList<int> outputs;
        for (const QJsonValue &member : members) {
            int out = 0;
            if (!integer(member, at, 1, 9, &out))
                return false;
            if (used.contains(out))
                return outOfRange(at);
            used.insert(out);
            outputs << out;
        }
        d->wallGroups.insert(outputs.first(), outputs);
    }
    const QJsonObject bezel = o.value(QLatin1String("bezel")).toObject();
    for (int axis = 0; axis < 2; ++axis) {
        const QString name = axis == 0 ? QStringLiteral("x") : QStringLiteral("y");
        const QJsonArray values = bezel.value(name).toArray();
        if (!bezel.isEmpty() && values.size() != 4)
            return outOfRange(QStringLiteral("device.bezel.") + name);
        for (int i = 0; i < values.size(); ++i) {
            qint64 value = 0;
            if (!integer(values.at(i), QStringLiteral("device.bezel.") + name, 0, 65535, &value))
                return false;
            d->bezel[size_t(axis) * 4 + size_t(i)] = uint(value);
        }
    }
    const auto optionalInt = [this, &o](const char *key, int high, int *out) {
        const QJsonValue value = o.value(QLatin1String(key));
        return value.isUndefined() ||
               integer(value, QStringLiteral("device.") + QLatin1String(key), 0, high, out);
    };
    return optionalInt("spliceMode", 5, &d->spliceMode) && optionalInt("virMode", 3, &d->virMode) &&
           optionalInt("splitterLayout", 6, &d->splitterLayout);
}

bool Reader::windows(const QJsonObject &o, ShowDeviceSnapshot *d)
{
    QJsonObject windows;
    if (!object(o, "windows", QStringLiteral("device.windows"), &windows))
        return false;
    // input, layer, x, y, w, h
    static const int high[] = {8, 8, 16384, 16384, 16384, 16384};
    return intMap(windows,
                  QStringLiteral("device.windows"),
                  ShowDocument::WindowCount,
                  &d->windows,
                  [this](const QJsonValue &v, const QString &at, QVector<int> *out) {
                      const QJsonArray values = v.toArray();
                      if (values.size() != 6)
                          return outOfRange(at);
                      for (int i = 0; i < 6; ++i) {
                          int n = 0;
                          if (!integer(values.at(i), at, 0, high[i], &n))
                              return false;
                          out->append(n);
                      }
                      return true;
                  });
}

bool Reader::device(const QJsonObject &root, ShowDocument *doc)
{
    const QJsonValue value = root.value(QLatin1String("device"));
    if (value.isUndefined() || value.isNull())
        return true;
    if (!value.isObject())
        return outOfRange(QStringLiteral("device"));
    const QJsonObject o = value.toObject();
    ShowDeviceSnapshot d;
    QJsonObject locks, resolution, scaling, rotation;
    const auto bounded = [this](int high) {
        return [this, high](const QJsonValue &v, const QString &at, int *out) {
            return integer(v, at, 0, high, out);
        };
    };
    const bool ok =
        routes(o.value(QLatin1String("routes")), QStringLiteral("device.routes"), &d.routes) &&
        object(o, "outputLock", QStringLiteral("device.outputLock"), &locks) &&
        intMap(locks,
               QStringLiteral("device.outputLock"),
               9,
               &d.outputLock,
               [this](const QJsonValue &v, const QString &at, bool *out) {
                   if (!v.isBool())
                       return outOfRange(at);
                   *out = v.toBool();
                   return true;
               }) &&
        object(o, "outputResolution", QStringLiteral("device.outputResolution"), &resolution) &&
        intMap(resolution,
               QStringLiteral("device.outputResolution"),
               9,
               &d.resolution,
               [this](const QJsonValue &v, const QString &at, QString *out) {
                   if (!ShowDocument::resolutionTextValid(v.toString()))
                       return outOfRange(at);
                   *out = v.toString();
                   return true;
               }) &&
        object(o, "scaling", QStringLiteral("device.scaling"), &scaling) &&
        intMap(scaling, QStringLiteral("device.scaling"), 9, &d.scaling, bounded(3)) &&
        object(o, "rotation", QStringLiteral("device.rotation"), &rotation) &&
        intMap(rotation, QStringLiteral("device.rotation"), 9, &d.rotation, bounded(3)) &&
        wall(o, &d) && windows(o, &d);
    if (ok)
        doc->device = d;
    return ok;
}

} // namespace

std::optional<ShowDocument> ShowDocument::fromJson(const QByteArray &bytes, QString *error)
{
    Reader reader;
    ShowDocument doc;
    if (bytes.size() > MaxBytes) {
        reader.fail(tr("The file is larger than 1 MiB; a show file is never that big."));
    } else {
        QJsonParseError parse;
        const QJsonDocument json = QJsonDocument::fromJson(bytes, &parse);
        if (parse.error != QJsonParseError::NoError) {
            reader.fail(tr("The file is not a show file (not JSON: %1 at byte %2).")
                            .arg(parse.errorString())
                            .arg(parse.offset));
        } else if (!json.isObject()) {
            reader.fail(tr("The file is not a show file."));
        } else {
            const QJsonObject root = json.object();
            reader.header(root, &doc) && reader.names(root, &doc) && reader.salvos(root, &doc) &&
                reader.device(root, &doc);
        }
    }
    if (!reader.error.isEmpty()) {
        if (error)
            *error = reader.error;
        return std::nullopt;
    }
    return doc;
}

std::optional<ShowDocument> ShowDocument::readFile(const QString &path, QString *error)
{
    const QFileInfo info(path);
    if (info.size() > MaxBytes) {
        if (error)
            *error = tr("The file is larger than 1 MiB; a show file is never that big.");
        return std::nullopt;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = tr("Could not read %1: %2").arg(path, file.errorString());
        return std::nullopt;
    }
    // Read one byte more than allowed, so a file that grew meanwhile is still refused.
    return fromJson(file.read(MaxBytes + 1), error);
}
