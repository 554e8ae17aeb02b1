#include "jsonvalue.h"
#include "replyparser.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

using namespace ReplyParser;
Q_DECLARE_METATYPE(QVector<ReplyParser::RecordKind>)

class TestReplyParser : public QObject
{
    Q_OBJECT

private slots:
    void repairs_data();
    void repairs();
    void classify_data();
    void classify();
    void dhcp_data();
    void dhcp();
    void repeatedKey_data();
    void repeatedKey();
    void valueText_data();
    void valueText();
    void raw_data();
    void raw();
    void framing();
    void framingAcrossAppends();
    void unframedTailIsBounded();
};

// The device's own formats, as the simulator sends them, are seen through tst_simlink;
// these are the repairs' edges.
void TestReplyParser::repairs_data()
{
    QTest::addColumn<QByteArray>("record");
    QTest::addColumn<QByteArray>("expected");
    QTest::addRow("caption, direction not last")
        << QByteArray(
               "{\"Switch\":false,\"Speed\":1,\"Color\":1,2,3,\"Position_x\":4,\"Position_y\":5,"
               "\"Bg_switch\":true,\"Bg_Color\":6,7,8,\"Move_dir\":right,\"x\":1}")
        << QByteArray(
               "{\"Switch\":\"false\",\"Speed\":1,\"Color\":\"1,2,3\",\"Position_x\":4,\"Position_"
               "y\":5,"
               "\"Bg_switch\":\"true\",\"Bg_Color\":\"6,7,8\",\"Move_dir\":\"right\",\"x\":1}");
    QTest::addRow("window status quoted keys")
        << QByteArray(
               "{\"window1\":1,0,0,0,960,540,\"window2\":2,1,960,0,960,540,\"window3\":0,0,0,0,0,0,"
               "\"window4\":0,0,0,0,0,0,\"VIR\":0,\"AUDIO\":1}")
        << QByteArray("{\"window1\":[1,0,0,0,960,540],\"window2\":[2,1,960,0,960,540],\"window3\":["
                      "0,0,0,0,0,0],"
                      "\"window4\":[0,0,0,0,0,0],\"VIR\":[0],\"AUDIO\":[1]}");
    QTest::addRow("change notice naming in and out, no value quoting")
        << QByteArray("{input2_change=out3}") << QByteArray("{\"input2_change\":\"out3\"}");
    QTest::addRow("no opening brace untouched") << QByteArray("link1:1}") << QByteArray("link1:1}");
}

void TestReplyParser::repairs()
{
    QFETCH(QByteArray, record);
    QFETCH(QByteArray, expected);
    QCOMPARE(repairRecord(record), expected);
}

// Each plain record kind reaching its signal is seen through tst_simlink.
void TestReplyParser::classify_data()
{
    using K = RecordKind;
    QTest::addColumn<QByteArray>("record");
    QTest::addColumn<QVector<RecordKind>>("kinds");
    QTest::addRow("hdcp excludes resolution")
        << QByteArray("{\"hdcp_in\":[1],\"out\":1}") << QVector<K>{K::HDCPInfo};
    QTest::addRow("link matches in too")
        << QByteArray("{\"link1\":\"1\"}") << QVector<K>{K::OutputInfo};
    QTest::addRow("caption via Bg_switch")
        << QByteArray("{\"Bg_switch\":\"true\"}") << QVector<K>{K::TitleImf};
    QTest::addRow("several signals")
        << QByteArray("{\"video\":1,\"audio\":2,\"IR\":3,\"Volume\":4,\"Angle\":5}")
        << QVector<K>{K::VideoAudioIRMap, K::VolumnImformation, K::RotateAngle};
    QTest::addRow("change wins alone")
        << QByteArray("{\"video3_change\":\"1\",\"audio\":1,\"IR\":1}")
        << QVector<K>{K::ChangedByOthers};
    QTest::addRow("nothing") << QByteArray("{\"x\":1}") << QVector<K>{};
}

void TestReplyParser::classify()
{
    QFETCH(QByteArray, record);
    QFETCH(QVector<RecordKind>, kinds);
    QCOMPARE(ReplyParser::classify(record), kinds);
}

void TestReplyParser::dhcp_data()
{
    QTest::addColumn<QByteArray>("record");
    QTest::addColumn<int>("expected");
    QTest::addRow("true middle") << QByteArray("{\"DHCP\":true,\"ip\":\"1\"}") << 1;
    QTest::addRow("FALSE middle") << QByteArray("{\"DHCP\":FALSE,\"ip\":\"1\"}") << 0;
    QTest::addRow("last member false") << QByteArray("{\"ip\":\"1\",\"DHCP\":false}") << 0;
    QTest::addRow("quoted value is not a switch") << QByteArray("{\"DHCP\":\"true\"}") << -1;
    QTest::addRow("absent") << QByteArray("{\"ip\":\"1\"}") << -1;
    QTest::addRow("record that fails to parse") << QByteArray("{\"DHCP\":false,broken}") << 0;
}

void TestReplyParser::dhcp()
{
    QFETCH(QByteArray, record);
    QFETCH(int, expected);
    QCOMPARE(dhcpSwitch(record), expected);
}

void TestReplyParser::repeatedKey_data()
{
    QTest::addColumn<QByteArray>("record");
    QTest::addColumn<bool>("refused");
    QTest::addRow("array key repeated") << QByteArray("{\"a\":[1],\"a\":2}") << true;
    QTest::addRow("repeat after an array") << QByteArray("{\"v\":[1],\"b\":1,\"b\":2}") << true;
    QTest::addRow("repeat in a nested object") << QByteArray("{\"o\":{\"a\":[1],\"a\":2}") << true;
    QTest::addRow("escaped name") << QByteArray("{\"a\":[1],\"\\u0061\":2}") << true;
    QTest::addRow("window status")
        << repairRecord("{window1:1,2,window2:3,4,window3:5,6,window4:7,8,VIR:1,AUDIO:2}") << false;
    QTest::addRow("same name in sibling objects")
        << QByteArray("{\"l\":[{\"a\":1},{\"a\":2}]}") << false;
    QTest::addRow("key text as a value") << QByteArray("{\"a\":[\"a\"],\"b\":\"a\"}") << false;
    // Without an array the parser keeps the last value and leaks nothing.
    QTest::addRow("no array") << QByteArray("{\"a\":1,\"a\":2}") << false;
    // The parser reads a name only up to a NUL byte, so these two are one name to it.
    QTest::addRow("names equal up to a NUL")
        << QByteArray("{\"in\0x\":[1],\"in\0y\":2}", 21) << true;
}

void TestReplyParser::repeatedKey()
{
    QFETCH(QByteArray, record);
    QFETCH(bool, refused);
    QCOMPARE(repeatsKeyBesideArray(record), refused);
}

void TestReplyParser::valueText_data()
{
    QTest::addColumn<QByteArray>("record");
    QTest::addColumn<QString>("text");
    QTest::addRow("missing") << QByteArray("{}") << "";
    QTest::addRow("largest 64-bit range")
        << QByteArray("{\"v\":-9223372036854775808}") << "-9223372036854775808";
    QTest::addRow("beyond 64 bits") << QByteArray("{\"v\":1e19}") << QString();
    QTest::addRow("far beyond") << QByteArray("{\"v\":-1e300}") << QString();
}

void TestReplyParser::valueText()
{
    QFETCH(QByteArray, record);
    QFETCH(QString, text);
    QCOMPARE(::valueText(QJsonDocument::fromJson(record).object().value("v")), text);
}

void TestReplyParser::raw_data()
{
    QTest::addColumn<QByteArray>("raw");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("forwards");
    QTest::addColumn<bool>("http200");
    QTest::addRow("no-signal answer") << QByteArray("{\"Chn\":1,\"Mode\":2,\"Color\":3}\r\n")
                                      << "{\"Chn\":1,\"Mode\":2,\"Color\":3}" << 1 << false;
    QTest::addRow("change notice renamed")
        << QByteArray("{\"Chn_change\":1,\"Mode_change\":2,\"Color_change\":3}")
        << "{\"Chn\":1,\"Mode\":2,\"Color\":3}" << 1 << false;
    QTest::addRow("both answers in one read")
        << QByteArray("{\"Chn\":1,\"Mode\":2,\"Color\":3}{\"Chn\":1,\"Scaler_Mode\":2}")
        << "{\"Chn\":1,\"Mode\":2,\"Color\":3}{\"Chn\":1,\"Scaler_Mode\":2}" << 2 << false;
    // Nothing forwarded, so no text is built.
    QTest::addRow("http 200") << QByteArray("HTTP/1.1 200 OK\r\nContent-Length:2OK") << QString()
                              << 0 << true;
    static const char afterNul[] = "{\"Chn\":1,\"Scaler_Mode\":2}\0HTTP 200 Length:2OK";
    QTest::addRow("after NUL ignored") << QByteArray(afterNul, sizeof afterNul - 1)
                                       << "{\"Chn\":1,\"Scaler_Mode\":2}" << 1 << false;
}

void TestReplyParser::raw()
{
    QFETCH(QByteArray, raw);
    QFETCH(QString, text);
    QFETCH(int, forwards);
    QFETCH(bool, http200);
    const RawResult result = analyseRaw(raw);
    QCOMPARE(result.text, text);
    QCOMPARE(result.forwardCount, forwards);
    QCOMPARE(result.http200, http200);
}

void TestReplyParser::framing()
{
    RecordBuffer buffer;
    buffer.append("junk{\"a\": 1}\n{\"b\":2}{\"c\":{\"d\":1}}{\"e\"");
    QCOMPARE(buffer.takeRecord(), QByteArray("{\"a\":1}"));
    QCOMPARE(buffer.takeRecord(), QByteArray("{\"b\":2}"));
    // Braces do not nest: the first closing brace ends the record.
    QCOMPARE(buffer.takeRecord(), QByteArray("{\"c\":{\"d\":1}"));
    // The stray "}" is skipped with the next record.
    QCOMPARE(buffer.takeRecord(), QByteArray());
    QCOMPARE(buffer.pending(), QByteArray("}{\"e\""));
    buffer.append(":5}");
    QCOMPARE(buffer.takeRecord(), QByteArray("{\"e\":5}"));
    QCOMPARE(buffer.pendingSize(), 0);
}

void TestReplyParser::framingAcrossAppends()
{
    RecordBuffer buffer;
    const QByteArray record("{\"video\":[1,2,3],\"audio\":[1,2,3],\"IR\":[1,2,3]}");
    for (const char c : record) {
        QCOMPARE(buffer.takeRecord(), QByteArray());
        buffer.append(QByteArray(1, c));
    }
    QCOMPARE(buffer.takeRecord(), record);
}

void TestReplyParser::unframedTailIsBounded()
{
    RecordBuffer buffer;
    buffer.append("{\"ok\":1}");
    buffer.append("{" + QByteArray(RecordBuffer::MaxUnframed * 3, 'x'));
    QCOMPARE(buffer.takeRecord(), QByteArray("{\"ok\":1}"));
    QCOMPARE(buffer.takeRecord(), QByteArray());
    QCOMPARE(buffer.boundTail(), RecordBuffer::MaxUnframed * 2 + 1);
    QCOMPARE(buffer.pendingSize(), RecordBuffer::MaxUnframed);
    // A record arriving after the flood still frames.
    buffer.append("{\"next\":2}");
    QCOMPARE(buffer.takeRecord(), QByteArray("{\"next\":2}"));
    QCOMPARE(buffer.boundTail(), 0);
}

QTEST_APPLESS_MAIN(TestReplyParser)
#include "tst_replyparser.moc"
