#include "appsettings.h"
#include "captionbitmap.h"
#include "captionstore.h"
#include "edidrules.h"
#include "edidsettingdilog.h"
#include "linkharness.h"
#include "storagetestkit.h"
#include "testtimeouts.h"
#include "titleorosddialog.h"
#include "titleosdrules.h"
#include "zelresources.h"

#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTranslator>
#include <QtEndian>
#include <QtTest>

// The caption/OSD bitmap and the upload rules without a device; the caption/OSD and EDID
// dialogs against the simulated device, through the real link.
class TestUploadDialogs : public LinkTestBase
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void bitmapBytes_data();
    void bitmapBytes();
    void renderedTextMatchesTheToolkitsConversion();
    void limitsAndProgress_data();
    void limitsAndProgress();
    void badFiles_data();
    void badFiles();
    void edidOutputsAndCommands();
    void captionUpload_data();
    void captionUpload();
    void controlsSendTheirCommands_data();
    void controlsSendTheirCommands();
    void captionRecordFillsTheForm();
    void edidFileGoesInOnePiece();
    void edidCopyAndBuiltInSayWhatWasSent_data();
    void edidCopyAndBuiltInSayWhatWasSent();
    void screenshots();

private:
    template<typename T> static T *child(QWidget *w, const char *name)
    {
        return w->findChild<T *>(QLatin1String(name));
    }
    DialogRunner recorder();
    QStringList uploadCommands() const;

    std::unique_ptr<ScopedDataDir> m_dir;
    QString m_cwd;
    QStringList m_shown; // "heading|text" of every message and confirmation
};

namespace {

// An RGB image from grey levels, rows top first.
QImage greys(const QVector<QVector<int>> &rows)
{
    QImage image(rows.first().size(), rows.size(), QImage::Format_RGB32);
    for (int y = 0; y < rows.size(); ++y) {
        for (int x = 0; x < rows.at(y).size(); ++x)
            image.setPixel(x, y, qRgb(rows[y][x], rows[y][x], rows[y][x]));
    }
    return image;
}

QByteArray encoded(const QImage &image, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

// The CRC of a PNG chunk (type and data), big-endian.
QByteArray crc32(const QByteArray &bytes)
{
    quint32 crc = 0xFFFFFFFFu;
    for (char c : bytes) {
        crc ^= uchar(c);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    crc ^= 0xFFFFFFFFu;
    QByteArray out(4, '\0');
    qToBigEndian(crc, out.data());
    return out;
}

} // namespace

void TestUploadDialogs::init()
{
    m_dir = std::make_unique<ScopedDataDir>();
    m_cwd = QDir::currentPath();
    QDir::setCurrent(m_dir->path());
    QVERIFY(CaptionStore::createTable());
    m_shown.clear();
}

void TestUploadDialogs::cleanup()
{
    stop();
    QDir::setCurrent(m_cwd);
    m_dir.reset();
}

DialogRunner TestUploadDialogs::recorder()
{
    return [this](QDialog &d) {
        const QLabel *text = d.findChild<QLabel *>("lb_text");
        if (!text)
            text = d.findChild<QLabel *>("lb_content");
        const QString heading = static_cast<FramelessDialog &>(d).titleLabel()->text();
        m_shown << heading + '|' + (text ? text->text() : QString());
        return int(QDialog::Accepted);
    };
}

QStringList TestUploadDialogs::uploadCommands() const
{
    QStringList seen;
    for (const QString &c : m_device->receivedCommands()) {
        if (c.contains("Upload_") || c.contains("Update_EDID") || c == "{param=Done}")
            seen << c;
    }
    return seen;
}

void TestUploadDialogs::bitmapBytes_data()
{
    QTest::addColumn<QImage>("image");
    QTest::addColumn<QByteArray>("pixels"); // the file's pixel rows, hex
    QTest::addRow("grey 128 is white, 127 black") << greys({{128, 127}}) << QByteArray("40000000");
    QTest::addRow("top row first in the file, last in the image")
        << greys({{0}, {255}}) << QByteArray("8000000000000000");
    QTest::addRow("nine pixels span two bytes")
        << greys({{0, 255, 255, 255, 255, 255, 255, 255, 0}}) << QByteArray("80800000");
    QTest::addRow("rows padded to four bytes with zeros")
        << greys({QVector<int>(33, 0)}) << QByteArray("ffffffff80000000");
}

void TestUploadDialogs::bitmapBytes()
{
    QFETCH(QImage, image);
    QFETCH(QByteArray, pixels);
    const QImage mono = CaptionBitmap::toMonochrome(image);
    const QByteArray bmp = CaptionBitmap::bmpBytes(mono);
    QCOMPARE(bmp.left(2), QByteArray("BM"));
    QCOMPARE(qFromLittleEndian<quint32>(bmp.constData() + 2), quint32(bmp.size()));
    QCOMPARE(qFromLittleEndian<qint32>(bmp.constData() + 18), image.width());
    QCOMPARE(qFromLittleEndian<qint32>(bmp.constData() + 22), image.height());
    QCOMPARE(qFromLittleEndian<quint16>(bmp.constData() + 28), quint16(1));
    // Palette: index 0 white, 1 black, so a set bit is a black pixel.
    QCOMPARE(bmp.mid(54, 8).toHex(), QByteArray("ffffff0000000000"));
    QCOMPARE(bmp.mid(62).toHex(), pixels);
}

// The same bitmap as greyscale, a BMP round trip, the colour table cut at 0xFF7F7F7F,
// the toolkit's 1-bit conversion and a vertical mirror.
void TestUploadDialogs::renderedTextMatchesTheToolkitsConversion()
{
    const QString words = QStringLiteral("Zel 1 gj");
    const QFont font = TitleOsdRules::font("Arial", 35, true, false, true);
    const QImage text = CaptionBitmap::renderText(words, font);
    const QRect bounds = QFontMetrics(font).boundingRect(' ' + words + ' ');
    QCOMPARE(text.size(), QSize(bounds.width() + 8, bounds.height() + 5));
    QImage indexed;
    QVERIFY(indexed.loadFromData(encoded(text.convertToFormat(QImage::Format_Grayscale8), "BMP"),
                                 "BMP"));
    QVector<QRgb> table = indexed.colorTable();
    for (QRgb &c : table)
        c = c > 0xFF7F7F7F ? 0xFFFFFFFF : 0xFF000000;
    indexed.setColorTable(table);
    const QImage reference = indexed.convertToFormat(QImage::Format_Mono).mirrored(false, true);
    const QImage mono = CaptionBitmap::toMonochrome(text).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(mono, reference.convertToFormat(QImage::Format_RGB32));
    // White text on black: the text is drawn, not only the background.
    QImage background(mono.size(), QImage::Format_RGB32);
    background.fill(mono.pixel(0, 0));
    QVERIFY(mono != background);
}

// Each row computes one refusal or progress figure and names what it must be.
void TestUploadDialogs::limitsAndProgress_data()
{
    QTest::addColumn<QVariant>("result");
    QTest::addColumn<QVariant>("expected");
    const auto refusal = [](qint64 bytes, int port) {
        const TitleOsdRules::Message m = TitleOsdRules::checkBitmapSize(bytes, port);
        return QVariant(m.isEmpty() ? QString() : m.heading + '|' + m.text);
    };
    const QVariant none{QString()};
    QTest::addRow("osd at 4096 bytes goes") << refusal(4096, 3) << none;
    QTest::addRow("osd at 4097 bytes refused")
        << refusal(4097, 3) << QVariant("错误|台标字幕文件大小不能超过4K!");
    QTest::addRow("caption has no limit") << refusal(5000000, -1) << none;
    QTest::addRow("empty file") << refusal(0, -1) << QVariant("error|File is empty");
    QTest::addRow("progress: two entries left")
        << QVariant(TitleOsdRules::progress(1200, 2)) << QVariant(16);
    QTest::addRow("progress: more left than sent")
        << QVariant(TitleOsdRules::progress(1200, 3)) << QVariant(0);
    QTest::addRow("progress: capped at 100")
        << QVariant(TitleOsdRules::progress(400, 0)) << QVariant(100);
}

void TestUploadDialogs::limitsAndProgress()
{
    QFETCH(QVariant, result);
    QTEST(result, "expected");
}

void TestUploadDialogs::badFiles_data()
{
    QTest::addColumn<bool>("edid");        // read as an EDID, else as an image
    QTest::addColumn<QString>("name");     // ending in "/": a directory
    QTest::addColumn<QByteArray>("bytes"); // null: no file
    QTest::addColumn<QString>("error");    // a word of the message; empty: the file is read
    QImage picture(120, 80, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    const QByteArray png = encoded(picture, "PNG");
    // A PNG header claiming 30,000 x 30,000 pixels and a few bytes of data.
    QByteArray huge = png.left(33);
    huge.replace(16, 8, QByteArray::fromHex("0000753000007530"));
    huge.replace(29, 4, crc32(huge.mid(12, 17)));
    huge += png.mid(33, 40);
    QByteArray edid(32768, '\0');
    for (int i = 0; i < edid.size(); ++i)
        edid[i] = char(i * 7);
    QTest::addRow("png loads") << false << "ok.png" << png << "";
    QTest::addRow("text is not an image")
        << false << "notes.png" << QByteArray("text") << "not an image";
    QTest::addRow("truncated png") << false << "cut.png" << png.left(png.size() / 2) << "damaged";
    QTest::addRow("30000 x 30000 refused before decoding")
        << false << "huge.png" << huge << "30000 x 30000";
    QTest::addRow("edid: 32 KiB is the most") << true << "edid.bin" << edid << "";
    QTest::addRow("edid: a byte more refused") << true << "big.bin" << edid + 'x' << "too large";
    QTest::addRow("edid: missing") << true << "missing.bin" << QByteArray() << "File is empty";
    QTest::addRow("edid: unreadable") << true << "folder.bin/" << QByteArray() << "cannot be read";
}

void TestUploadDialogs::badFiles()
{
    QFETCH(bool, edid);
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, error);
    QFile file(m_dir->filePath(name));
    if (name.endsWith('/'))
        QVERIFY(QDir(m_dir->path()).mkdir(name));
    else if (!bytes.isNull())
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    file.close();
    QString message;
    if (edid) {
        TitleOsdRules::Message refusal;
        QCOMPARE(EdidRules::readFile(file.fileName(), &refusal),
                 error.isEmpty() ? bytes : QByteArray());
        message = refusal.text;
    } else {
        QCOMPARE(CaptionBitmap::loadImageFile(file.fileName(), &message).isNull(),
                 !error.isEmpty());
    }
    QVERIFY2(message.contains(error) && message.isEmpty() == error.isEmpty(), qPrintable(message));
}

// The third output of the list is output 3; the last built-in entry is code 4.
void TestUploadDialogs::edidOutputsAndCommands()
{
    AppSettings::instance()->setOutputNames({{3, QStringLiteral("Lobby")}});
    QCOMPARE(EdidRules::outputLabels(3).size(), 8);        // 0808-S
    const QStringList labels = EdidRules::outputLabels(4); // 0809-M
    QCOMPARE(labels.size(), 9);
    QCOMPARE(labels.at(2), QStringLiteral("[3] Lobby"));
    QCOMPARE(labels.last(), QStringLiteral("[9] Output 9"));
    QCOMPARE(EdidRules::copyCommand(2, 2), QStringLiteral("{param=Copy_EDID2/3}"));
    const int lastBuiltIn = EdidRules::builtInNames().size() - 1;
    QCOMPARE(EdidRules::builtInCommand(1, lastBuiltIn), QStringLiteral("{param=EDID_Sel1/4}"));
}

void TestUploadDialogs::captionUpload_data()
{
    QTest::addColumn<int>("port");
    QTest::addColumn<QString>("text");     // empty: an image is uploaded
    QTest::addColumn<QString>("announce"); // empty: refused, nothing sent
    QTest::addColumn<QString>("shown");
    // Quotes in the text must survive the caption store.
    QTest::addRow("caption text to output 3") << -1 << "Say \"hi\" it's 'on'"
                                              << "{param=Upload_Subtitle3}"
                                              << "Caption Setting|Uploading Finished";
    QTest::addRow("osd image of input 2") << 2 << ""
                                          << "{param=Upload_OSD2}"
                                          << "Caption Setting|Uploading Finished";
    QTest::addRow("osd text over 4096 bytes") << 3 << "A logo far too wide for the device"
                                              << ""
                                              << "错误|台标字幕文件大小不能超过4K!";
}

void TestUploadDialogs::captionUpload()
{
    QFETCH(int, port);
    QFETCH(QString, text);
    QFETCH(QString, announce);
    QFETCH(QString, shown);
    QVERIFY(start("0809"));
    TitleOrOsdDialog dialog(port);
    dialog.setTitle(QStringLiteral("Caption Setting"));
    dialog.setDialogRunner(recorder());
    child<QComboBox>(&dialog, "OutputCombo")->setCurrentIndex(2);
    if (announce.isEmpty())
        child<QComboBox>(&dialog, "FontSizeCombo")->setCurrentText("100");
    QString working = CaptionBitmap::workingFilePath(CaptionBitmap::WorkingFile::RenderedText);
    if (text.isEmpty()) {
        QImage picture(64, 24, QImage::Format_RGB32);
        picture.fill(Qt::white);
        picture.setPixel(3, 3, qRgb(10, 10, 10));
        picture.save(m_dir->filePath("logo.png"));
        child<QLineEdit>(&dialog, "ImagePathEdit")->setText(m_dir->filePath("logo.png"));
        child<QPushButton>(&dialog, "uploadImgBtn")->click();
        working = CaptionBitmap::workingFilePath(CaptionBitmap::WorkingFile::ConvertedImage);
    } else {
        child<QLineEdit>(&dialog, "TextEdit")->setText(text);
        child<QPushButton>(&dialog, "uploadCharBtn")->click();
    }
    if (announce.isEmpty()) {
        QCOMPARE(m_shown, QStringList{shown});
        link()->sendGetRotate();
        QTRY_VERIFY_WITH_TIMEOUT(m_device->lastCommand() == "{param=Get_Rotate}",
                                 TestTimeouts::Short);
        QCOMPARE(uploadCommands(), QStringList());
        QCOMPARE(m_device->uploadConnectionCount(), 0);
        return;
    }
    QTRY_COMPARE_WITH_TIMEOUT(m_device->receivedUploads().size(), 1, TestTimeouts::Medium);
    QFile file(working);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(m_device->receivedUploads().first().data, file.readAll());
    QCOMPARE(uploadCommands(), (QStringList{announce, "{param=Done}"}));
    QTRY_COMPARE_WITH_TIMEOUT(m_shown, QStringList{shown}, TestTimeouts::Medium);
    QCOMPARE(child<QProgressBar>(&dialog, "progressBar")->value(), 100);
    QTRY_VERIFY_WITH_TIMEOUT(child<QPushButton>(&dialog, "uploadCharBtn")->isEnabled(),
                             TestTimeouts::Medium);
    if (!text.isEmpty()) {
        TitleOrOsdDialog reopened(port);
        QCOMPARE(child<QLineEdit>(&reopened, "TextEdit")->text(), text);
    }
}

void TestUploadDialogs::controlsSendTheirCommands_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QStringList>("commands");
    QTest::addRow("show on, off") << "IsShowCheck" << QStringList{"{param=Open}", "{param=Close}"};
    QTest::addRow("speed released") << "speedSplider" << QStringList{"{param=Speed7}"};
    QTest::addRow("position edited") << "PosXEdit" << QStringList{"{param=POS10/20}"};
    QTest::addRow("erase") << "EraseBtn"
                           << QStringList{"{param=EraseOSD}", "{param=EraseSubtitle}"};
}

void TestUploadDialogs::controlsSendTheirCommands()
{
    QFETCH(QString, control);
    QFETCH(QStringList, commands);
    QVERIFY(start("0809"));
    TitleOrOsdDialog dialog(-1);
    dialog.setDialogRunner(recorder());
    m_device->clearReceivedCommands();
    QWidget *w = dialog.findChild<QWidget *>(control);
    QVERIFY(w);
    if (auto *check = qobject_cast<QCheckBox *>(w)) {
        check->setChecked(true);
        check->setChecked(false);
    } else if (auto *slider = qobject_cast<QSlider *>(w)) {
        slider->setValue(7);
        emit slider->sliderReleased();
    } else if (control == "PosXEdit") {
        child<QLineEdit>(&dialog, "PosXEdit")->setText("10");
        child<QLineEdit>(&dialog, "PosYEdit")->setText("20");
        emit child<QLineEdit>(&dialog, "PosYEdit")->editingFinished();
    } else if (auto *button = qobject_cast<QAbstractButton *>(w)) {
        button->click();
    }
    QTRY_COMPARE_WITH_TIMEOUT(m_device->receivedCommands(), commands, TestTimeouts::Short);
}

void TestUploadDialogs::captionRecordFillsTheForm()
{
    QVERIFY(start("0809"));
    for (const char *c : {"Open", "Speed6", "Right", "POS12/34", "Font_Color9/8/7"})
        m_device->applyPanelCommand(QString::fromLatin1(c));
    TitleOrOsdDialog dialog(-1);
    m_device->clearReceivedCommands();
    link()->sendGetSubtitle();
    QTRY_COMPARE_WITH_TIMEOUT(
        child<QSlider>(&dialog, "speedSplider")->value(), 6, TestTimeouts::Short);
    QVERIFY(child<QCheckBox>(&dialog, "IsShowCheck")->isChecked());
    QVERIFY(child<QRadioButton>(&dialog, "RightBtn")->isChecked());
    QCOMPARE(child<QLineEdit>(&dialog, "PosYEdit")->text(), QStringLiteral("34"));
    QVERIFY(dialog.findChild<QWidget *>("ColorSetting")->styleSheet().contains("rgb(9,8,7)"));
    // Filling the form sends nothing back.
    QCOMPARE(m_device->receivedCommands(), QStringList{"{param=Get_Subtitle}"});
}

void TestUploadDialogs::edidFileGoesInOnePiece()
{
    QVERIFY(start("0809"));
    QByteArray edid(256, '\0');
    for (int i = 0; i < edid.size(); ++i)
        edid[i] = char(i);
    QFile file(m_dir->filePath("edid.bin"));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(edid) == edid.size());
    file.close();
    EdidSettingDilog dialog(2);
    dialog.setDialogRunner(recorder());
    child<QLineEdit>(&dialog, "PathEdit")->setText(file.fileName());
    child<QPushButton>(&dialog, "UploadBtn")->click();
    QTRY_COMPARE_WITH_TIMEOUT(m_device->receivedUploads().size(), 1, TestTimeouts::Medium);
    QCOMPARE(m_device->receivedUploads().first().kind, QStringLiteral("EDID"));
    QCOMPARE(m_device->receivedUploads().first().data, edid);
    QCOMPARE(uploadCommands(), (QStringList{"{param=Update_EDID2}", "{param=Done}"}));
    QCOMPARE(m_collector->indexOf("progress"), -1);
    QTRY_COMPARE_WITH_TIMEOUT(
        m_shown, QStringList{"EDID Setting [Input2]|Uploading Finished"}, TestTimeouts::Medium);
    QCOMPARE(child<QLabel>(&dialog, "lb_status")->text(), QStringLiteral("Uploading Finished"));
}

void TestUploadDialogs::edidCopyAndBuiltInSayWhatWasSent_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("online");
    QTest::addColumn<QString>("sent");
    QTest::addColumn<QString>("status");
    QTest::addRow("copy") << "btnCopy" << true << "{param=Copy_EDID2/3}"
                          << "Sent: input 2 takes the EDID of %1"; // %1: the output's label
    QTest::addRow("built-in") << "btnAppInputEDID" << true << "{param=EDID_Sel2/2}"
                              << "Sent: input 2 takes the built-in EDID %1";
    QTest::addRow("copy offline") << "btnCopy" << false << ""
                                  << "Not sent: the device is not connected";
}

void TestUploadDialogs::edidCopyAndBuiltInSayWhatWasSent()
{
    QFETCH(QString, button);
    QFETCH(bool, online);
    QFETCH(QString, sent);
    QFETCH(QString, status);
    QVERIFY(start("0809"));
    EdidSettingDilog dialog(2);
    dialog.setDialogRunner(recorder());
    child<QComboBox>(&dialog, "OutputList")->setCurrentIndex(2);
    child<QComboBox>(&dialog, "EdidList")->setCurrentIndex(2);
    if (!online) {
        link()->disconnectFromDevice();
        QTRY_VERIFY_WITH_TIMEOUT(!link()->isConnected(), TestTimeouts::Short);
    }
    m_device->clearReceivedCommands();
    child<QPushButton>(&dialog, qPrintable(button))->click();
    const char *list = button == QLatin1String("btnCopy") ? "OutputList" : "EdidList";
    QCOMPARE(child<QLabel>(&dialog, "lb_status")->text(),
             status.arg(child<QComboBox>(&dialog, list)->currentText()));
    if (online)
        QTRY_COMPARE_WITH_TIMEOUT(
            m_device->receivedCommands(), QStringList{sent}, TestTimeouts::Short);
    else
        QCOMPARE(m_device->receivedCommands(), QStringList());
    QVERIFY(m_shown.isEmpty());
}

// Renders the dialogs in both languages when ZEL_SCREENSHOT_DIR names a directory.
void TestUploadDialogs::screenshots()
{
    const QString dir = qEnvironmentVariable("ZEL_SCREENSHOT_DIR");
    if (dir.isEmpty())
        QSKIP("set ZEL_SCREENSHOT_DIR to render the dialogs");
    initZelResources();
    for (const char *language : {"English", "Chinese"}) {
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(":/%1").arg(language)));
        QCoreApplication::installTranslator(&translator);
        TitleOrOsdDialog caption(-1);
        caption.setTitle(QCoreApplication::translate("Widget", "Caption Setting"));
        TitleOrOsdDialog osd(3);
        osd.setTitle(QStringLiteral("[Input3]"));
        EdidSettingDilog edid(3);
        const QVector<QPair<QDialog *, const char *>> shots{
            {&caption, "caption"}, {&osd, "osd"}, {&edid, "edid"}};
        for (const auto &shot : shots) {
            shot.first->show();
            QVERIFY(QTest::qWaitForWindowExposed(shot.first));
            QVERIFY(shot.first->grab().save(
                QStringLiteral("%1/%2-%3.png").arg(dir, shot.second, language)));
        }
        QCoreApplication::removeTranslator(&translator);
    }
}

QTEST_MAIN(TestUploadDialogs)
#include "tst_uploaddialogs.moc"
