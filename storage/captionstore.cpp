#include "captionstore.h"

#include "projectdb.h"

namespace {

// Rows written as TRUE/FALSE hold 1/0; older files may hold the words as text.
bool flag(const QVariant &value)
{
    const QString text = value.toString().trimmed();
    if (text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
        return true;
    return text.toInt() != 0;
}

CaptionRow fromRow(const SqlRow &row)
{
    CaptionRow caption;
    caption.port = row.value(0).toInt();
    if (!row.value(1).isNull())
        caption.content = row.value(1).toString();
    if (!row.value(2).toString().isEmpty())
        caption.font = row.value(2).toString();
    bool ok = false;
    const int size = row.value(3).toInt(&ok);
    // A size of 0 would render nothing and upload an empty bitmap.
    if (ok && size > 0)
        caption.fontSize = size;
    caption.bold = flag(row.value(4));
    caption.italic = flag(row.value(5));
    caption.underline = flag(row.value(6));
    return caption;
}

} // namespace

bool CaptionStore::createTable()
{
    return execSql(QStringLiteral(
        "create table if not exists CaptionOrOSDInfo( Port integer primary key, Content text, "
        "Font text, FontSize integer, IsBold boolean, IsItalic boolean, IsUnderline boolean )"));
}

bool CaptionStore::saveRow(const CaptionRow &row)
{
    return execBound(QStringLiteral("insert or replace into CaptionOrOSDInfo(Port,Content,Font,"
                                    "FontSize,IsBold,IsItalic,IsUnderline) values(?,?,?,?,?,?,?)"),
                     {row.port,
                      textValue(row.content),
                      textValue(row.font),
                      row.fontSize,
                      row.bold,
                      row.italic,
                      row.underline});
}

QMap<int, CaptionRow> CaptionStore::loadRows()
{
    QMap<int, CaptionRow> rows;
    const SqlRows result = querySql(QStringLiteral("select *from CaptionOrOSDInfo"));
    for (const SqlRow &row : result) {
        bool ok = false;
        row.value(0).toInt(&ok);
        if (ok)
            rows.insert(row.value(0).toInt(), fromRow(row));
    }
    return rows;
}

CaptionRow CaptionStore::row(int port)
{
    CaptionRow fallback;
    fallback.port = port;
    return loadRows().value(port, fallback);
}
