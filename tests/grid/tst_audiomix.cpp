#include "tableitemwidget.h"
#include "tablewidgetaudiomix.h"

#include <QtTest>

// The 0808-S "Audio" page grid.
class tst_AudioMix : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void ninePortsWithTheirLabels();
    void singleCellModeAndBack_data();
    void singleCellModeAndBack();
    void sourcesFromTheAudioMap_data();
    void sourcesFromTheAudioMap();

private:
    QString sourceText(int row, int column) const
    {
        return qobject_cast<TableItemWidget *>(m_grid->cellWidget(row, column))->inputText();
    }
    TableWidgetAudioMix *m_grid = nullptr;
};

void tst_AudioMix::init()
{
    m_grid = new TableWidgetAudioMix;
    m_grid->resize(600, 300);
    m_grid->setSourceNames([](int n) { return QStringLiteral("Mic %1").arg(n); },
                           [](int n) { return QStringLiteral("Camera %1").arg(n); });
    QMap<int, QString> names{{1, QStringLiteral("Hall speakers")}};
    for (int n = 1; n <= 8; ++n)
        names.insert(100 + n, QStringLiteral("Screen %1").arg(n));
    m_grid->setNames(names);
    m_grid->build();
    m_grid->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_grid));
}

void tst_AudioMix::cleanup()
{
    delete m_grid;
    m_grid = nullptr;
}

void tst_AudioMix::ninePortsWithTheirLabels()
{
    QList<int> ports;
    QStringList labels;
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            ports << m_grid->item(row, column)->data(Qt::UserRole).toInt();
            auto *cell = qobject_cast<TableItemWidget *>(m_grid->cellWidget(row, column));
            QVERIFY(cell);
            labels << cell->outputText();
        }
    }
    QCOMPARE(ports, (QList<int>{1, 101, 102, 103, 104, 105, 106, 107, 108}));
    QCOMPARE(labels.at(0), QStringLiteral("[1] Hall speakers"));
    QCOMPARE(labels.at(2), QStringLiteral("[2] Screen 2"));
    QCOMPARE(labels.at(8), QStringLiteral("[8] Screen 8"));
    // A rename reaches the cell at once.
    m_grid->setPortName(105, QStringLiteral("Stage"));
    QCOMPARE(qobject_cast<TableItemWidget *>(m_grid->cellWidget(1, 2))->outputText(),
             QStringLiteral("[5] Stage"));
    QCOMPARE(m_grid->portName(109), QString());
    // Built again (every version record does), the grid keeps its cells.
    QWidget *middle = m_grid->cellWidget(1, 1);
    m_grid->build();
    QCOMPARE(m_grid->cellWidget(1, 1), middle);
    QCOMPARE(qobject_cast<TableItemWidget *>(middle)->outputText(), QStringLiteral("[4] Screen 4"));
}

void tst_AudioMix::singleCellModeAndBack_data()
{
    QTest::addColumn<QList<bool>>("independent"); // calls in order; the last one counts
    QTest::addColumn<bool>("single");
    QTest::addRow("follow video") << QList<bool>{false} << true;
    QTest::addRow("independently") << QList<bool>{true} << false;
    QTest::addRow("follow video and back") << QList<bool>{false, true} << false;
}

void tst_AudioMix::singleCellModeAndBack()
{
    QFETCH(QList<bool>, independent);
    QFETCH(bool, single);
    for (bool on : independent)
        m_grid->setHdmiIndependent(on);
    QCOMPARE(m_grid->isSingleCell(), single);
    for (int i = 1; i < 3; ++i) {
        QCOMPARE(m_grid->isRowHidden(i), single);
        QCOMPARE(m_grid->isColumnHidden(i), single);
    }
    QCOMPARE(m_grid->cellWidget(1, 1)->isVisible(), !single);
    const QSize viewport = m_grid->viewport()->size();
    const QSize expected = single ? viewport : QSize(viewport.width() / 3 - 1, viewport.height() / 3);
    QCOMPARE(m_grid->cellWidget(0, 0)->size(), expected);
    // Still so after the page is resized.
    m_grid->resize(450, 240);
    const QSize after = m_grid->viewport()->size();
    QCOMPARE(m_grid->cellWidget(0, 0)->width(), single ? after.width() : after.width() / 3 - 1);
}

void tst_AudioMix::sourcesFromTheAudioMap_data()
{
    QTest::addColumn<int>("port");
    QTest::addColumn<int>("source");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("label");
    QTest::addRow("camera audio on HDMI 4") << 104 << 103 << 1 << 1 << "[3] Camera 3";
    QTest::addRow("mic on the analogue output") << 1 << 5 << 0 << 0 << "[5] Mic 5";
    QTest::addRow("100 clears") << 106 << 100 << 2 << 0 << "";
    QTest::addRow("0 clears") << 1 << 0 << 0 << 0 << "";
}

void tst_AudioMix::sourcesFromTheAudioMap()
{
    QFETCH(int, port);
    QFETCH(int, source);
    QFETCH(int, row);
    QFETCH(int, column);
    m_grid->showRoutes({{port, 101}});
    m_grid->showRoutes({{port, source}});
    QTEST(sourceText(row, column), "label");
    QCOMPARE(m_grid->item(row, column)->data(Qt::UserRole + 1).toInt(), source);
}

QTEST_MAIN(tst_AudioMix)
#include "tst_audiomix.moc"
