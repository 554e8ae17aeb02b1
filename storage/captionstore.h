#pragma once

#include <QMap>
#include <QString>

// The text settings last used for a caption (port -1) or an OSD logo (an output port),
// one row of CaptionOrOSDInfo. The member defaults are what a port without a row reads.
struct CaptionRow
{
    int port = -1;
    QString content = QStringLiteral("...");
    QString font = QStringLiteral("Arial");
    int fontSize = 48;
    bool bold = false;
    bool italic = false;
    bool underline = false;

    bool operator==(const CaptionRow &o) const
    {
        return port == o.port && content == o.content && font == o.font && fontSize == o.fontSize &&
               bold == o.bold && italic == o.italic && underline == o.underline;
    }
};

// Table CaptionOrOSDInfo in project.db. Stateless; any thread.
class CaptionStore
{
public:
    static bool createTable();
    // Replaces the row of row.port.
    static bool saveRow(const CaptionRow &row);
    // Every stored row by port; empty when the query fails.
    static QMap<int, CaptionRow> loadRows();
    // The stored row of port, or the defaults for it.
    static CaptionRow row(int port);
};
