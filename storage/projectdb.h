#pragma once

#include <QString>
#include <QVariant>
#include <QVariantList>
#include <QVector>

// The one way to run statements on project.db. Each call takes the connection named
// after the calling thread (its id in decimal), opens it, runs one statement, closes it
// and removes it again, so no connection outlives a call and two threads never share one.
// Any thread may call; calls are not otherwise serialised (SQLite's own locking applies).

using SqlRow = QVariantList;
using SqlRows = QVector<SqlRow>;

// DataDir::filePath("project.db").
QString projectDbPath();

// Name of the calling thread's connection.
QString threadConnectionName();

// Runs sql as written. An empty dbPath means projectDbPath(). Logs a failed statement.
bool execSql(const QString &sql, const QString &dbPath = QString());

// Runs sql with its '?' placeholders bound, in order, to values. User text only ever
// reaches a statement this way. Logs a failed statement like execSql.
bool execBound(const QString &sql, const QVariantList &values, const QString &dbPath = QString());

// Runs a select with bound values and returns every row, each column in select order.
// A failed statement is logged and answers no rows (and *ok false).
SqlRows querySql(const QString &sql,
                 const QVariantList &values = QVariantList(),
                 const QString &dbPath = QString(),
                 bool *ok = nullptr);

// A text for binding: a null QString would be stored as NULL, callers mean "".
QVariant textValue(const QString &text);
