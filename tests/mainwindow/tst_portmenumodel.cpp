#include "devicestate.h"
#include "portmenumodel.h"

#include <QtTest>

namespace {

// "text+" for an enabled entry, "text-" for a disabled one; a submenu adds "{+}" when
// all its entries are enabled, "{-}" when none is, "{~}" otherwise.
QString describe(const QVector<MenuEntry> &entries)
{
    QStringList parts;
    for (const MenuEntry &e : entries) {
        QString part = e.text + QLatin1Char(e.enabled ? '+' : '-');
        if (!e.children.isEmpty()) {
            int on = 0;
            for (const MenuEntry &c : e.children)
                on += c.enabled ? 1 : 0;
            part = e.text + (on == e.children.size() ? "{+}" : on == 0 ? "{-}" : "{~}");
        }
        parts << part;
    }
    return parts.join(QLatin1Char('|'));
}

const MenuEntry *find(const QVector<MenuEntry> &entries, const QStringList &path)
{
    for (const MenuEntry &e : entries) {
        if (e.text != path.first())
            continue;
        if (path.size() == 1)
            return &e;
        return find(e.children, path.mid(1));
    }
    return nullptr;
}

// "video", "bound" and "locked" are the video grid's menus; "source" and "input" (and
// "irpage", an input on the infrared page) the signal list's.
QVector<MenuEntry> menuFor(const QString &menu, int port, const PortMenuModel::Context &c)
{
    using K = GridLayout::Kind;
    const QMap<QString, K> grids{{"video", K::Video},
                                 {"bound", K::Video},
                                 {"locked", K::Video},
                                 {"audio", K::Audio},
                                 {"hdmi", K::HdmiAudio},
                                 {"0808s", K::Audio0808S},
                                 {"ir", K::Infrared}};
    if (grids.contains(menu))
        return PortMenuModel::gridMenu(grids.value(menu), port, menu == "locked", c);
    if (menu == "source")
        return PortMenuModel::listMenu(ListItem::Audio, port, false, c);
    return PortMenuModel::listMenu(ListItem::Input, port, menu == "irpage", c);
}

} // namespace

class tst_PortMenuModel : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void menus_data();
    void menus();
    void commands_data();
    void commands();
    void checkMarksShowTheStore();
};

void tst_PortMenuModel::init()
{
    DeviceState *state = DeviceState::instance();
    state->setDeviceType(1);
    state->setSpliceMode(0);
    state->setOutputResolutions(QMap<int, QString>());
    state->setInputResolutions(QMap<int, QString>());
    state->setInputHdcp(QMap<int, int>());
    state->setOutputLocked(QMap<int, bool>());
    state->setOutputFrozen(QMap<int, bool>());
}

void tst_PortMenuModel::menus_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<int>("port");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("missingRight");    // function right the user lacks, -1 none
    QTest::addColumn<int>("missingCategory"); // port category the user lacks, -1 none
    QTest::addColumn<bool>("dialogs");        // every dialog opener set
    QTest::addColumn<QString>("expected");

    // A menu template with its space-separated flags filled in.
    auto fill = [](QString menu, const char *flags) {
        for (const QString &flag : QString::fromLatin1(flags).split(' '))
            menu = menu.arg(flag);
        return menu;
    };
    const QString video =
        "Splice%1|Rename(F2)+|Resolution%2|无信号输出%3|缩放模式%4|Graphics Test%5|"
        "清除%6|Switch Layout%7|Freeze / Unfreeze%8|No Signal Input%9";
    auto v = [&](const char *flags) {
        return fill(video, flags);
    };
    QTest::addRow("video, administrator, no dialogs yet")
        << "video" << 5 << 1 << -1 << -1 << false << v("+ {+} - - - + {+} + {+}");
    QTest::addRow("video on 0808-S: no splicing")
        << "video" << 5 << 3 << -1 << -1 << true << v("- {+} + + + + {-} + {+}");
    QTest::addRow("video without right 22")
        << "video" << 5 << 1 << 22 << -1 << true << v("- {+} + + + - {+} + {+}");
    QTest::addRow("video without the splice right 6")
        << "video" << 5 << 1 << 6 << -1 << true << v("- {+} + + + + {-} + {+}");
    QTest::addRow("video without the output")
        << "video" << 5 << 1 << -1 << 1 << true << v("- {-} - - - - {+} - {-}");
    QTest::addRow("video, locked cell") << "locked" << 9 << 4 << -1 << -1 << true << "";
    QTest::addRow("video, bound output")
        << "bound" << 2 << 1 << -1 << -1 << true
        << QString(v("+ {+} + + + + {+} + {+}")).replace("Splice+", "Unsplice+");

    const QString audio = QStringLiteral("清除%1|Rename(F2)+|音频模式{+}");
    QTest::addRow("audio") << "audio" << 3 << 1 << -1 << -1 << false << audio.arg('+');
    QTest::addRow("audio without right 23")
        << "audio" << 3 << 1 << 23 << -1 << false << audio.arg('-');
    QTest::addRow("audio asks the audio output")
        << "audio" << 3 << 1 << -1 << 3 << false << QStringLiteral("清除-|Rename(F2)+|音频模式{-}");
    QTest::addRow("HDMI audio without right 24")
        << "hdmi" << 103 << 1 << 24 << -1 << false << audio.arg('-');
    QTest::addRow("HDMI audio asks the video output")
        << "hdmi" << 103 << 1 << -1 << 1 << false
        << QStringLiteral("清除-|Rename(F2)+|音频模式{-}");
    QTest::addRow("0808-S analogue without right 23")
        << "0808s" << 3 << 3 << 23 << -1 << false << audio.arg('-');
    QTest::addRow("0808-S HDMI without right 24")
        << "0808s" << 103 << 3 << 24 << -1 << false << audio.arg('-');
    QTest::addRow("infrared without right 25")
        << "ir" << 4 << 1 << 25 << -1 << false << "清除-|Rename(F2)+";

    const QString input = "Rename(F2)+|GraphicsTest%1|OSD Setting%2|Edid%3|Volume Setting%4|"
                          "Resolution{+}|HDCP Setting%5";
    auto in = [&](const char *flags) {
        return fill(input, flags);
    };
    QTest::addRow("input, no dialogs yet")
        << "input" << 2 << 1 << -1 << -1 << false << in("- - - + {+}");
    QTest::addRow("input") << "input" << 2 << 1 << -1 << -1 << true << in("+ + + + {+}");
    QTest::addRow("input without right 14")
        << "input" << 2 << 1 << 14 << -1 << true << in("- + + + {+}");
    QTest::addRow("input without the input")
        << "input" << 2 << 1 << -1 << 0 << true << in("- - - + {-}");
    QTest::addRow("input without its audio")
        << "input" << 2 << 1 << -1 << 2 << true << in("+ + + - {+}");
    QTest::addRow("audio source without right 4")
        << "source" << 2 << 1 << 4 << -1 << true << "Rename(F2)+|Volume Setting-";
    QTest::addRow("input on the infrared page")
        << "irpage" << 2 << 1 << -1 << -1 << true << "Rename(F2)+";
}

void tst_PortMenuModel::menus()
{
    QFETCH(QString, menu);
    QFETCH(int, port);
    QFETCH(int, code);
    QFETCH(int, missingRight);
    QFETCH(int, missingCategory);
    QFETCH(bool, dialogs);
    DeviceState::instance()->setDeviceType(code);

    PortMenuModel::Context c;
    c.functionRight = [missingRight](int key) {
        return key != missingRight;
    };
    c.portRight = [missingCategory](int, int category) {
        return category != missingCategory;
    };
    c.isBound = [menu](int output) {
        return menu == QLatin1String("bound") && output <= 2;
    };
    c.dialogAvailable = [dialogs](PortDialog) {
        return dialogs;
    };

    QTEST(describe(menuFor(menu, port, c)), "expected");
}

void tst_PortMenuModel::commands_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<int>("port");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("command");
    QTest::addRow("no standby") << "video" << 4 << "No Signal Input>No Standby"
                                << "{param=Output_Lock4/1}";
    QTest::addRow("2 x 4") << "video" << 4 << "Switch Layout>2 x 4"
                           << "{param=mode1}";
    QTest::addRow("clear video") << "video" << 5 << "清除"
                                 << "{param=0VIDEO5}";
    QTest::addRow("analogue audio") << "audio" << 3 << "音频模式>模拟音频"
                                    << "{param=Analog_sel3/1}";
    QTest::addRow("clear infrared") << "ir" << 2 << "清除"
                                    << "{param=0IR2}";
}

void tst_PortMenuModel::commands()
{
    QFETCH(QString, menu);
    QFETCH(int, port);
    QFETCH(QString, path);
    const QVector<MenuEntry> entries = menuFor(menu, port, {});
    const MenuEntry *entry = find(entries, path.split('>'));
    QVERIFY(entry);
    QTEST(entry->command, "command");
}

// One entry checked, the one the store holds, in every checkable submenu.
void tst_PortMenuModel::checkMarksShowTheStore()
{
    DeviceState *state = DeviceState::instance();
    state->setOutputResolutions(5, QStringLiteral("3840x2160x30Hz"));
    state->setOutputLocked(5, true);
    state->setSpliceMode(1);
    state->setOutputFrozen(5, true);
    state->setInputHdcp(2, 2);
    state->setInputResolutions(2, QStringLiteral("1920x1080x60Hz"));
    auto checked = [](const MenuEntry *submenu) {
        QStringList on;
        for (const MenuEntry &e : submenu->children)
            if (e.checked)
                on << e.text;
        return on.join(',');
    };
    const QVector<MenuEntry> video = PortMenuModel::gridMenu(GridLayout::Kind::Video, 5, false, {});
    QCOMPARE(checked(find(video, {"Resolution"})), QStringLiteral("3840x2160x30Hz"));
    QCOMPARE(checked(find(video, {"No Signal Input"})), QStringLiteral("No Standby"));
    QCOMPARE(checked(find(video, {"Switch Layout"})), QStringLiteral("2 x 4"));
    QCOMPARE(find(video, {"Freeze / Unfreeze"})->command, QStringLiteral("{param=Frozen5/0}"));
    const QVector<MenuEntry> input = PortMenuModel::listMenu(ListItem::Input, 2, false, {});
    QCOMPARE(checked(find(input, {"HDCP Setting"})), QStringLiteral("HDCP 1.4 Only"));
    QCOMPARE(checked(find(input, {"Resolution"})), QStringLiteral("1920x1080x60Hz"));
    const QVector<MenuEntry> idle = PortMenuModel::listMenu(ListItem::Input, 3, false, {});
    QCOMPARE(checked(find(idle, {"Resolution"})), QStringLiteral("No Input"));
}

QTEST_APPLESS_MAIN(tst_PortMenuModel)
#include "tst_portmenumodel.moc"
