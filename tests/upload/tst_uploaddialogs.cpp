#include "captionbitmap.h"
#include "captionstore.h"
#include "edidsettingdilog.h"
#include "linkharness.h"
#include "storagetestkit.h"
#include "testtimeouts.h"
#include "titleorosddialog.h"
#include "zelresources.h"

#include <QBuffer>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTranslator>
#include <QtTest>

// The caption/OSD and EDID dialogs against the simulated device, through the real link.
class TestUploadDialogs : public LinkTestBase
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void uploadReachesTheDevice_data();
    void uploadReachesTheDevice();
    void refusedInputSendsNothing_data();
    void refusedInputSendsNothing();
    void quotesAreStoredAndReadBack();
    void controlsSendTheirCommands_data();
    void controlsSendTheirCommands();
    void captionRecordFillsTheForm();
    void edidCommands();
    void edidFile_data();
    void edidFile();
    void screenshots();

private:
    template<typename T> static T *child(QWidget *w, const char *name)
    {
        return w->findChild<T *>(QLatin1String(name));
    }
    TitleOrOsdDialog::DialogRunner recorder();
    QStringList uploadCommands() const;
    QString imageFile(const QString &name, const QByteArray &bytes) const;

    std::unique_ptr<ScopedDataDir> m_dir;
    QString m_cwd;
    QStringList m_shown; // "heading|text" of every message and confirmation
    QStringList m_failures;
};

void TestUploadDialogs::init()
{
    m_dir = std::make_unique<ScopedDataDir>();
    m_cwd = QDir::currentPath();
    QDir::setCurrent(m_dir->path());
    QVERIFY(CaptionStore::createTable());
    m_shown.clear();
    m_failures.clear();
    link()->setUploadFailureHook([this](const QString &h, const QString &t) { m_failures << h + '|' + t; });
}

void TestUploadDialogs::cleanup()
{
    link()->setUploadFailureHook(nullptr);
    stop();
    QDir::setCurrent(m_cwd);
    m_dir.reset();
}

TitleOrOsdDialog::DialogRunner TestUploadDialogs::recorder()
{
    return [this](QDialog &d) {
        if (auto *colours = qobject_cast<QColorDialog *>(&d)) {
            colours->setCurrentColor(QColor(1, 2, 3));
            return int(QDialog::Accepted);
        }
        const QLabel *text = d.findChild<QLabel *>("lb_text");
        if (!text)
            text = d.findChild<QLabel *>("lb_content");
        m_shown << static_cast<FramelessDialog &>(d).titleLabel()->text() + '|' + (text ? text->text() : QString());
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

QString TestUploadDialogs::imageFile(const QString &name, const QByteArray &bytes) const
{
    QFile file(m_dir->filePath(name));
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return file.fileName();
}

void TestUploadDialogs::uploadReachesTheDevice_data()
{
    QTest::addColumn<int>("port");
    QTest::addColumn<int>("output"); // index in the caption's output list
    QTest::addColumn<bool>("image");
    QTest::addColumn<QString>("announce");
    QTest::addRow("caption text to output 3") << -1 << 2 << false << "{param=Upload_Subtitle3}";
    QTest::addRow("osd image of input 2") << 2 << 0 << true << "{param=Upload_OSD2}";
}

void TestUploadDialogs::uploadReachesTheDevice()
{
    QFETCH(int, port);
    QFETCH(int, output);
    QFETCH(bool, image);
    QFETCH(QString, announce);
    QVERIFY(start("0809"));
    TitleOrOsdDialog dialog(port);
    dialog.setTitle(QStringLiteral("Caption Setting"));
    dialog.setDialogRunner(recorder());
    child<QComboBox>(&dialog, "OutputCombo")->setCurrentIndex(output);
    QString working;
    if (image) {
        QImage picture(64, 24, QImage::Format_RGB32);
        picture.fill(Qt::white);
        picture.setPixel(3, 3, qRgb(10, 10, 10));
        picture.save(m_dir->filePath("logo.png"));
        child<QLineEdit>(&dialog, "ImagePathEdit")->setText(m_dir->filePath("logo.png"));
        child<QPushButton>(&dialog, "uploadImgBtn")->click();
        working = CaptionBitmap::workingFilePath(CaptionBitmap::WorkingFile::ConvertedImage);
    } else {
        child<QLineEdit>(&dialog, "TextEdit")->setText(QStringLiteral("Zel"));
        child<QPushButton>(&dialog, "uploadCharBtn")->click();
        working = CaptionBitmap::workingFilePath(CaptionBitmap::WorkingFile::RenderedText);
    }
    QTRY_COMPARE_WITH_TIMEOUT(m_device->receivedUploads().size(), 1, TestTimeouts::Medium);
    QFile file(working);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(m_device->receivedUploads().first().data, file.readAll());
    QCOMPARE(uploadCommands(), (QStringList{announce, "{param=Done}"}));
    QTRY_COMPARE_WITH_TIMEOUT(m_shown, QStringList{"Caption Setting|Uploading Finished"}, TestTimeouts::Medium);
    QCOMPARE(child<QProgressBar>(&dialog, "progressBar")->value(), 100);
    QTRY_VERIFY_WITH_TIMEOUT(child<QPushButton>(&dialog, "uploadCharBtn")->isEnabled(), TestTimeouts::Medium);
    QVERIFY(m_failures.isEmpty());
    QCOMPARE(CaptionStore::loadRows().contains(port), !image);
}

void TestUploadDialogs::refusedInputSendsNothing_data()
{
    QTest::addColumn<int>("port");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("image");
    QTest::addColumn<QString>("shown");
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(Qt::gray);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    QTest::addRow("empty text") << -1 << "" << QByteArray() << "";
    QTest::addRow("osd text over 4096 bytes") << 3 << "A logo far too wide for the device" << QByteArray()
                                              << "错误|台标字幕文件大小不能超过4K!";
    QTest::addRow("not an image") << -1 << "" << QByteArray("plain text") << "error|The file is not an image that can be read.";
}

void TestUploadDialogs::refusedInputSendsNothing()
{
    QFETCH(int, port);
    QFETCH(QString, text);
    QFETCH(QByteArray, image);
    QFETCH(QString, shown);
    QVERIFY(start("0809"));
    TitleOrOsdDialog dialog(port);
    dialog.setDialogRunner(recorder());
    if (port > 0)
        child<QComboBox>(&dialog, "FontSizeCombo")->setCurrentText("100");
    child<QLineEdit>(&dialog, "TextEdit")->setText(text);
    if (!image.isEmpty()) {
        child<QLineEdit>(&dialog, "ImagePathEdit")->setText(imageFile("picture.png", image));
        child<QPushButton>(&dialog, "uploadImgBtn")->click();
    } else {
        child<QPushButton>(&dialog, "uploadCharBtn")->click();
    }
    QCOMPARE(m_shown, shown.isEmpty() ? QStringList() : QStringList{shown});
    link()->sendGetRotate();
    QTRY_VERIFY_WITH_TIMEOUT(m_device->lastCommand() == "{param=Get_Rotate}", TestTimeouts::Short);
    QCOMPARE(uploadCommands(), QStringList());
    QCOMPARE(m_device->uploadConnectionCount(), 0);
    QVERIFY(child<QPushButton>(&dialog, "uploadCharBtn")->isEnabled());
    // Nothing typed, nothing stored.
    QCOMPARE(CaptionStore::loadRows().contains(port), !text.isEmpty());
}

void TestUploadDialogs::quotesAreStoredAndReadBack()
{
    QVERIFY(start("0809"));
    const QString text = QStringLiteral("Say \"hi\" it's 'on'");
    const QString font = QStringLiteral("My \"Font\" 'x'");
    {
        TitleOrOsdDialog dialog(5);
        dialog.setDialogRunner(recorder());
        child<QComboBox>(&dialog, "FontCombo")->addItem(font);
        child<QComboBox>(&dialog, "FontCombo")->setCurrentText(font);
        child<QCheckBox>(&dialog, "ItalicCheck")->setChecked(true);
        child<QLineEdit>(&dialog, "TextEdit")->setText(text);
        child<QPushButton>(&dialog, "uploadCharBtn")->click();
    }
    TitleOrOsdDialog reopened(5);
    QCOMPARE(child<QLineEdit>(&reopened, "TextEdit")->text(), text);
    QCOMPARE(child<QComboBox>(&reopened, "FontCombo")->currentText(), font);
    QVERIFY(child<QCheckBox>(&reopened, "ItalicCheck")->isChecked());
    QCOMPARE(child<QComboBox>(&reopened, "FontSizeCombo")->currentText(), QStringLiteral("35"));
}

void TestUploadDialogs::controlsSendTheirCommands_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QStringList>("commands");
    QTest::addRow("show on, off") << "IsShowCheck" << QStringList{"{param=Open}", "{param=Close}"};
    QTest::addRow("speed released") << "speedSplider" << QStringList{"{param=Speed7}"};
    QTest::addRow("position edited") << "PosXEdit" << QStringList{"{param=POS10/20}"};
    QTest::addRow("text colour") << "ColorSetting" << QStringList{"{param=Font_Color1/2/3}"};
    QTest::addRow("erase") << "EraseBtn" << QStringList{"{param=EraseOSD}", "{param=EraseSubtitle}"};
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
    QTRY_COMPARE_WITH_TIMEOUT(child<QSlider>(&dialog, "speedSplider")->value(), 6, TestTimeouts::Short);
    QVERIFY(child<QCheckBox>(&dialog, "IsShowCheck")->isChecked());
    QVERIFY(child<QRadioButton>(&dialog, "RightBtn")->isChecked());
    QCOMPARE(child<QLineEdit>(&dialog, "PosYEdit")->text(), QStringLiteral("34"));
    QVERIFY(dialog.findChild<QWidget *>("ColorSetting")->styleSheet().contains("rgb(9,8,7)"));
    // Filling the form sends nothing back.
    QCOMPARE(m_device->receivedCommands(), QStringList{"{param=Get_Subtitle}"});
}

void TestUploadDialogs::edidCommands()
{
    QVERIFY(start("0808"));
    EdidSettingDilog dialog(2);
    auto *list = child<QComboBox>(&dialog, "OutputList");
    QCOMPARE(list->count(), 8);
    m_device->clearReceivedCommands();
    list->setCurrentIndex(2);
    child<QPushButton>(&dialog, "btnCopy")->click();
    child<QComboBox>(&dialog, "EdidList")->setCurrentIndex(4);
    child<QPushButton>(&dialog, "btnAppInputEDID")->click();
    QTRY_COMPARE_WITH_TIMEOUT(m_device->receivedCommands(),
                              (QStringList{"{param=Copy_EDID2/3}", "{param=EDID_Sel2/4}"}), TestTimeouts::Short);
}

void TestUploadDialogs::edidFile_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<QString>("shown");
    QTest::addRow("256 bytes, one piece") << 256 << "";
    QTest::addRow("0 bytes refused") << 0 << "error|File is empty";
    QTest::addRow("40 KiB refused") << 40 * 1024 << "error|The file is too large for an EDID (40960 bytes, at most 32768).";
}

void TestUploadDialogs::edidFile()
{
    QFETCH(int, size);
    QFETCH(QString, shown);
    QVERIFY(start("0809"));
    QByteArray edid(size, '\0');
    for (int i = 0; i < size; ++i)
        edid[i] = char(i);
    EdidSettingDilog dialog(2);
    dialog.setDialogRunner(recorder());
    child<QLineEdit>(&dialog, "PathEdit")->setText(imageFile("edid.bin", edid));
    child<QPushButton>(&dialog, "UploadBtn")->click();
    QCOMPARE(m_shown, shown.isEmpty() ? QStringList() : QStringList{shown});
    if (!shown.isEmpty()) {
        QCOMPARE(m_device->uploadConnectionCount(), 0);
        QCOMPARE(uploadCommands(), QStringList());
        return;
    }
    QTRY_COMPARE_WITH_TIMEOUT(m_device->receivedUploads().size(), 1, TestTimeouts::Medium);
    QCOMPARE(m_device->receivedUploads().first().kind, QStringLiteral("EDID"));
    QCOMPARE(m_device->receivedUploads().first().data, edid);
    QCOMPARE(uploadCommands(), (QStringList{"{param=Update_EDID2}", "{param=Done}"}));
    QCOMPARE(m_collector->indexOf("progress"), -1);
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
        const QVector<QPair<QDialog *, const char *>> shots = {{&caption, "caption"}, {&osd, "osd"}, {&edid, "edid"}};
        for (const auto &shot : shots) {
            shot.first->show();
            QVERIFY(QTest::qWaitForWindowExposed(shot.first));
            QVERIFY(shot.first->grab().save(QStringLiteral("%1/%2-%3.png").arg(dir, shot.second, language)));
        }
        QCoreApplication::removeTranslator(&translator);
    }
}

QTEST_MAIN(TestUploadDialogs)
#include "tst_uploaddialogs.moc"
