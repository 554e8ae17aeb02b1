#pragma once

#include <QString>
#include <QVector>

// One route of a salvo. kind is the text of a route kind ("video", "audio", ...); the store
// keeps it as given and leaves its meaning to the routing core.
struct SalvoRoute
{
    QString kind;
    int output = 0;
    int source = 0; // 0 clears the output
};

bool operator==(const SalvoRoute &a, const SalvoRoute &b);

struct Salvo
{
    qint64 id = 0;
    QString name;
    QVector<SalvoRoute> routes;
};

// Named sets of routes kept in project.db (tables Salvo and SalvoRoute), per device address,
// beside the device's own plans. Names are unique per address and at most 64 characters.
// With no connection name every call opens project.db on a connection of its own, as the other
// stores do; with one, it runs on that open connection (the caller's transaction included) and
// never opens or closes it. Writes of several rows go in a savepoint: all of them or none.
// GUI thread (one store per thread).
class SalvoStore
{
public:
    enum class Error {
        None,
        Unusable,
        EmptyName,
        NameTooLong,
        NameTaken,
        NotFound,
        BadRoute,
        Database
    };

    static constexpr int kMaxNameLength = 64;

    explicit SalvoStore(const QString &connectionName = QString());

    // Creates the tables in an existing database; false when they cannot be made.
    static bool createTables(const QString &connectionName = QString());

    // False when project.db is read-only, damaged or cannot hold the tables.
    bool isUsable() const { return m_usable; }
    Error lastErrorKind() const { return m_error; }
    QString lastError() const { return m_errorText; }

    // The address's salvos ordered by name (case-insensitive), each with its routes in the
    // order they were saved. Empty when the store is unusable.
    QVector<Salvo> list(const QString &deviceIp) const;
    // The new salvo's id; 0 when the name is empty, too long or taken, a route is bad, or the
    // database refuses. The name is stored trimmed.
    qint64 create(const QString &deviceIp, const Salvo &salvo);
    bool rename(qint64 id, const QString &name);
    bool replaceRoutes(qint64 id, const QVector<SalvoRoute> &routes);
    bool remove(qint64 id);

    // Why name cannot be a salvo name (EmptyName, NameTooLong), or None.
    static Error checkName(const QString &name);

private:
    bool fail(Error error, const QString &text) const;
    bool succeed() const;
    bool nameTaken(const QString &deviceIp, const QString &name, qint64 exceptId, bool *ok) const;
    QString ipOf(qint64 id, bool *found) const;

    QString m_connectionName;
    bool m_usable = false;
    mutable Error m_error = Error::None;
    mutable QString m_errorText;
};
