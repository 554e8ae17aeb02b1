#include "dialogbezel.h"

#include "commands.h"
#include "devicestate.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {
constexpr int FrameWidth = 420;
constexpr int FrameHeight = 290;
constexpr int BezelYDelayMs = 100;
const char *const Names[8] = {
    "le_x1", "le_x2", "le_x3", "le_x4", "le_y1", "le_y2", "le_y3", "le_y4"};
} // namespace

DialogBezel::DialogBezel(QWidget *parent)
    : FramelessDialog(parent, Kind::Normal, 25)
{
    setTitle(tr("Bezel Pixel Setting"));
    setModal(true);
    auto *body = new QWidget(frame());
    body->setStyleSheet(QStringLiteral("QLineEdit{font-size:13px;padding:2px 4px;}"));
    body->setGeometry(0, TitleHeight, FrameWidth, FrameHeight - TitleHeight);
    auto *layout = new QVBoxLayout(body);
    layout->setContentsMargins(18, 14, 18, 14);
    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    const QString labels[8] = {tr("Column 1 & 2"),
                               tr("Column 2 & 3"),
                               tr("Column 3 & 4"),
                               tr("Column 4 & 5"),
                               tr("Row 1 & 2"),
                               tr("Row 2 & 3"),
                               tr("Row 3 & 4"),
                               tr("Row 4 & 5")};
    const BezelValues stored = DeviceState::instance()->bezel();
    for (int i = 0; i < 8; ++i) {
        auto *edit = new QLineEdit(body);
        edit->setObjectName(QLatin1String(Names[i]));
        edit->setValidator(new QIntValidator(0, 999, edit));
        edit->setText(QString::number(i < 4 ? stored.x[i] : stored.y[i - 4]));
        edit->setFixedWidth(70);
        m_edits[i] = edit;
        const int column = i < 4 ? 0 : 2;
        grid->addWidget(new QLabel(labels[i], body), i % 4, column);
        grid->addWidget(edit, i % 4, column + 1);
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    layout->addLayout(grid);
    layout->addStretch(1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto *ok = new QPushButton(tr("OK"), body);
    ok->setObjectName(QStringLiteral("btn_ok"));
    ok->setStyleSheet(DialogStyle::primaryButton());
    auto *cancel = new QPushButton(tr("Cancel"), body);
    cancel->setObjectName(QStringLiteral("btn_cancel"));
    cancel->setStyleSheet(DialogStyle::secondaryButton());
    for (QPushButton *b : {ok, cancel}) {
        b->setFixedSize(76, 30);
        b->setCursor(Qt::PointingHandCursor);
        buttons->addWidget(b);
    }
    layout->addLayout(buttons);
    setFrameSize(QSize(FrameWidth, FrameHeight));
    connect(ok, &QPushButton::clicked, this, &DialogBezel::accept);
    connect(cancel, &QPushButton::clicked, this, &DialogBezel::reject);
}

void DialogBezel::accept()
{
    uint v[8];
    for (int i = 0; i < 8; ++i)
        v[i] = m_edits[i]->text().toUInt();
    DeviceState::instance()->setBezel(v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7]);
    done(1);
}

void DialogBezel::sendStored(QObject *context, const std::function<void(const QString &)> &sink)
{
    const BezelValues x = DeviceState::instance()->bezel();
    sink(Commands::bezelX(x.x[0], x.x[1], x.x[2], x.x[3]));
    QTimer::singleShot(BezelYDelayMs, context, [sink] {
        const BezelValues y = DeviceState::instance()->bezel();
        sink(Commands::bezelY(y.y[0], y.y[1], y.y[2], y.y[3]));
    });
}
