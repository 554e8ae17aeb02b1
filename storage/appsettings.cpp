#include "appsettings.h"

#include "datadir.h"

#include <QCoreApplication>
#include <QSettings>

namespace {

const QString kIp = QStringLiteral("NetWork/Ip");
const QString kPort = QStringLiteral("NetWork/Port");
const QString kUsername = QStringLiteral("User/Username");
const QString kLanguage = QStringLiteral("Language/language");
const QString kType = QStringLiteral("Type/type");

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
    const QString name = names.value(port);
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
        m_file->setIniCodec("UTF-8");
    }
    return m_file.get();
}

void AppSettings::write(const QString &key, const QVariant &value)
{
    QMutexLocker locker(&m_mutex);
    QSettings *settings = file();
    settings->setValue(key, value);
    settings->sync();
}

QVariant AppSettings::read(const QString &key) const
{
    QMutexLocker locker(&m_mutex);
    return file()->value(key);
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
    const QString ip = read(kIp).toString().trimmed();
    return ip.isEmpty() ? QString::fromLatin1(DefaultIp) : ip;
}

int AppSettings::port() const
{
    const int port = intOr(read(kPort), 0);
    return port >= 1 && port <= 65535 ? port : DefaultPort;
}

QString AppSettings::username() const
{
    const QVariant value = read(kUsername);
    return value.isValid() ? value.toString() : QStringLiteral("ADMIN");
}

int AppSettings::language() const
{
    return intOr(read(kLanguage), -1);
}

int AppSettings::type() const
{
    return intOr(read(kType), 1);
}

int AppSettings::deviceType() const
{
    const int value = type();
    return value >= 0 && value <= 4 ? value : 1;
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
