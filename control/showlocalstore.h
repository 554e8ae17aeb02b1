#pragma once

#include "showdocument.h"

#include <QString>

// The local parts of a show file in project.db: what is stored now (names, plan names per
// device address, salvos) and writing a document's parts back in ONE transaction, so an
// import applies all of its parts or none. Its own connection, opened per call; GUI thread.
class ShowLocalStore
{
    Q_DECLARE_TR_FUNCTIONS(ShowLocalStore)

public:
    struct Parts
    {
        bool names = false;
        bool plans = false;
        bool salvos = false;
    };

    ShowLocalStore() = default;

    // Names, plan names and salvos of `ip`, model left as the caller sets it.
    ShowDocument load(const QString &ip) const;
    // Writes the chosen parts of doc for `ip`: every row or none. Names and plan names
    // replace the stored ones of the same port or index; a salvo replaces the routes of
    // the salvo of the same name. False with *error set.
    bool write(const ShowDocument &doc, const QString &ip, Parts parts, QString *error) const;
};
