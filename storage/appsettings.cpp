#include "appsettings.h"

#include "datadir.h"
#include "devicemodel.h"
#include "storagelog.h"

#include <QCoreApplication>
#include <QSettings>

namespace {

const QString kIp = QStringLiteral("NetWork/Ip");
const QString kPort = QStringLiteral("NetWork/Port");
const QString kUsername = QStringLiteral("User/Username");
const QString kLanguage = QStringLiteral("Language/language");
const QString kType = QStringLiteral("Type/type");
const QString kPasswordOffered = QStringLiteral("User/DefaultPasswordOffered");

int intOr(const QVariant &value, int fallback)
{
    if (!value.isValid())
        return fallback;
    bool ok = false;
    const int number = value.toString().trimmed().toInt(&ok, 10);
    return ok ? number : fallback;
}

QString nameOr(const QMap<int, QString> &names, int port, const char *fallback)
{
    QString name = names.value(port);
    if (!name.isEmpty())
        return name;
    return QCoreApplication::translate("AppSettings", fallback).arg(port);
}

} // namespace

AppSettings *AppSettings::instance()
{
    static QMutex mutex;
    static AppSettings *s_instance = nullptr;
    QMutexLocker locker(&mutex);
    if (!s_instance)
        s_instance = new AppSettings;
    return s_instance;
}

AppSettings::AppSettings() = default;
AppSettings::~AppSettings() = default;

QSettings *AppSettings::file() const
{
    const QString path = DataDir::filePath(QStringLiteral("config.ini"));
    if (!m_file || m_file->fileName() != path) {
        if (m_file)
            m_file->sync();
        m_file.reset(new QSettings(path, QSettings::IniFormat));
        m_cutLogged.clear();
        m_file->setIniCodec("UTF-8");
    }
    return m_file.get();
}

void AppSettings::write(const QString &key, const QVariant &value)
{
    QMutexLocker locker(&m_mutex);
    QSettings *settings = file();
    // Every version record sets the type again; the file is rewritten (and synced to
    // disk) only when a value really changes.
    const QVariant stored = settings->value(key);
    if (stored.isValid() && stored.type() != QVariant::StringList &&
        stored.toString() == value.toString())
        return;
    settings->setValue(key, value);
    settings->sync();
}

QVariant AppSettings::read(const QString &key) const
{
    QMutexLocker locker(&m_mutex);
    return file()->value(key);
}

QVariant AppSettings::readBounded(const QString &key, int maxLength, bool drop) const
{
    QMutexLocker locker(&m_mutex);
    QVariant value = file()->value(key);
    if (!value.isValid())
        return value;
    // A list (a value with commas) reads as its text, so it is bounded like one.
    const QString text = value.type() == QVariant::StringList
                             ? value.toStringList().join(QLatin1Char(','))
                             : value.toString();
    if (text.size() <= maxLength)
        return text;
    if (!m_cutLogged.contains(key)) {
        m_cutLogged.insert(key);
        qCWarning(lcStorage).noquote()
            << QStringLiteral("%1: %2 holds %3 characters, %4")
                   .arg(m_file->fileName(), key)
                   .arg(text.size())
                   .arg(drop ? QStringLiteral("ignored")
                             : QStringLiteral("read only the first %1").arg(maxLength));
    }
    return drop ? QVariant() : QVariant(text.left(maxLength));
}

void AppSettings::setNetwork(const QString &ip, int port)
{
    QMutexLocker locker(&m_mutex);
    QSettings *settings = file();
    settings->setValue(kIp, ip);
    settings->setValue(kPort, port);
    settings->sync();
}

void AppSettings::setUsername(const QString &name)
{
    write(kUsername, name);
}

void AppSettings::setLanguage(int value)
{
    write(kLanguage, value);
}

void AppSettings::setType(int value)
{
    write(kType, value);
}

QString AppSettings::ip() const
{
    const QString ip = readBounded(kIp, MaxAddressLength).toString().trimmed();
    return ip.isEmpty() ? QString::fromLatin1(DefaultIp) : ip;
}

int AppSettings::port() const
{
    const int port = intOr(readBounded(kPort, MaxNumberLength, true), 0);
    return port >= 1 && port <= 65535 ? port : DefaultPort;
}

bool AppSettings::defaultPasswordOffered() const
{
    return readBounded(kPasswordOffered, MaxNumberLength, true).toString() == QLatin1String("true");
}

void AppSettings::setDefaultPasswordOffered(bool offered)
{
    write(kPasswordOffered, offered);
}

QString AppSettings::username() const
{
    const QVariant value = readBounded(kUsername, MaxUsernameLength);
    return value.isValid() ? value.toString() : QStringLiteral("ADMIN");
}

int AppSettings::language() const
{
    return intOr(readBounded(kLanguage, MaxNumberLength, true), -1);
}

int AppSettings::type() const
{
    return intOr(readBounded(kType, MaxNumberLength, true), 1);
}

int AppSettings::deviceType() const
{
    return DeviceModels::code(DeviceModels::fromCodeOr(type()));
}

QString AppSettings::currentUser() const
{
    QMutexLocker locker(&m_mutex);
    return m_currentUser;
}

void AppSettings::setCurrentUser(const QString &name)
{
    QMutexLocker locker(&m_mutex);
    m_currentUser = name;
}

int AppSettings::currentUserType() const
{
    QMutexLocker locker(&m_mutex);
    return m_currentUserType;
}

void AppSettings::setCurrentUserType(int type)
{
    QMutexLocker locker(&m_mutex);
    m_currentUserType = type;
}

int AppSettings::connectionStatus() const
{
    QMutexLocker locker(&m_mutex);
    return m_connectionStatus;
}

void AppSettings::setConnectionStatus(int status)
{
    QMutexLocker locker(&m_mutex);
    m_connectionStatus = status;
}

QMap<int, QString> AppSettings::inputNames() const
{
    QMutexLocker locker(&m_mutex);
    return m_inputNames;
}

void AppSettings::setInputNames(const QMap<int, QString> &names)
{
    QMutexLocker locker(&m_mutex);
    m_inputNames = names;
}

QString AppSettings::inputName(int port) const
{
    QMutexLocker locker(&m_mutex);
    return nameOr(m_inputNames, port, QT_TRANSLATE_NOOP("AppSettings", "Input %1"));
}

QMap<int, QString> AppSettings::audioNames() const
{
    QMutexLocker locker(&m_mutex);
    return m_audioNames;
}

void AppSettings::setAudioNames(const QMap<int, QString> &names)
{
    QMutexLocker locker(&m_mutex);
    m_audioNames = names;
}

QString AppSettings::audioName(int port) const
{
    QMutexLocker locker(&m_mutex);
    return nameOr(m_audioNames, port, QT_TRANSLATE_NOOP("AppSettings", "Audio %1"));
}

QMap<int, QString> AppSettings::outputNames() const
{
    QMutexLocker locker(&m_mutex);
    return m_outputNames;
}

void AppSettings::setOutputNames(const QMap<int, QString> &names)
{
    QMutexLocker locker(&m_mutex);
    m_outputNames = names;
}

QString AppSettings::outputName(int port) const
{
    QMutexLocker locker(&m_mutex);
    return nameOr(m_outputNames, port, QT_TRANSLATE_NOOP("AppSettings", "Output %1"));
}

void AppSettings::sync()
{
    QMutexLocker locker(&m_mutex);
    file()->sync();
}
