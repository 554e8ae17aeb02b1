#pragma once

#include <QMap>
#include <QMutex>
#include <QSet>
#include <QString>

#include <memory>

class QSettings;
class QVariant;

// config.ini (device address and port, last user name, language, device type) plus the
// run-time values every window needs: the logged-in user, the connection status and the
// port display names. Process-wide, created on first use, never destroyed before exit.
// Every member locks, so any thread may call; the file follows DataDir::path() when that
// changes (tests give each case its own directory).
class AppSettings
{
public:
    static AppSettings *instance();
    AppSettings(const AppSettings &) = delete;
    AppSettings &operator=(const AppSettings &) = delete;

    static constexpr const char *DefaultIp = "192.168.1.188";
    static constexpr int DefaultPort = 80;
    // What is read from the file is cut to these lengths (a host name has at most 253
    // characters); numbers longer than MaxNumberLength read as missing.
    static constexpr int MaxAddressLength = 253;
    static constexpr int MaxUsernameLength = 64;
    static constexpr int MaxNumberLength = 16;

    // Writes go to the file at once.
    void setNetwork(const QString &ip, int port);
    void setUsername(const QString &name);
    void setLanguage(int value);
    void setType(int value);

    // "192.168.1.188" when missing or blank.
    QString ip() const;
    // 80 when missing, not a decimal number, 0 or outside 1..65535.
    int port() const;
    // "ADMIN" when missing.
    QString username() const;
    // -1 when missing or not a number, else the stored value (0 Chinese, 1 English).
    int language() const;
    // 1 when missing or not a number, else the stored value, even outside 0..4.
    int type() const;
    // type() with values outside 0..4 read as 1: what the device-state store takes.
    int deviceType() const;
    // Whether the offer to change the administrator's default password was made for
    // this data directory (User/DefaultPasswordOffered).
    bool defaultPasswordOffered() const;
    void setDefaultPasswordOffered(bool offered);

    QString currentUser() const;
    void setCurrentUser(const QString &name);
    // 0 administrator, 1 ordinary user; 1 until someone logs in.
    int currentUserType() const;
    void setCurrentUserType(int type);
    // 0 disconnected, 1 connecting, 2 connected.
    int connectionStatus() const;
    void setConnectionStatus(int status);

    // Display names, replaced whole by the main window. The lookups fall back to
    // "Input %1", "Audio %1" and "Output %1" for a port without a name (or an empty one).
    QMap<int, QString> inputNames() const;
    void setInputNames(const QMap<int, QString> &names);
    QString inputName(int port) const;
    QMap<int, QString> audioNames() const;
    void setAudioNames(const QMap<int, QString> &names);
    QString audioName(int port) const;
    QMap<int, QString> outputNames() const;
    void setOutputNames(const QMap<int, QString> &names);
    QString outputName(int port) const;

    // Writes pending values now; also done after every set.
    void sync();

private:
    AppSettings();
    ~AppSettings();
    QSettings *file() const; // m_mutex held
    void write(const QString &key, const QVariant &value);
    QVariant read(const QString &key) const;
    // The value's text cut to maxLength (or dropped when `drop`), logged once per key
    // and file.
    QVariant readBounded(const QString &key, int maxLength, bool drop = false) const;

    mutable QMutex m_mutex;
    mutable std::unique_ptr<QSettings> m_file;
    mutable QSet<QString> m_cutLogged; // keys of m_file already reported as cut
    QString m_currentUser;
    int m_currentUserType = 1;
    int m_connectionStatus = 1;
    QMap<int, QString> m_inputNames;
    QMap<int, QString> m_audioNames;
    QMap<int, QString> m_outputNames;
};
