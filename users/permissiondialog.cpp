#include "permissiondialog.h"

#include "dialogconfirm.h"
#include "permissionstore.h"
#include "svgwidgets.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int FrameWidth = 980;
constexpr int FrameHeight = 800;
constexpr int BoxWidth = 104;
constexpr int BoxHeight = 38;
} // namespace

PermissionDialog::PermissionDialog(const QString &userIdText,
                                   const QString &userName,
                                   PermissionStore *permissionStore,
                                   QWidget *parent)
    : FramelessDialog(parent, Kind::Tool, 35)
    , m_userId(userIdText)
    , m_userName(userName)
    , m_store(permissionStore)
{
    closeButton()->setObjectName(QStringLiteral("btnClose"));
    setCloseAction([this] { closeDialog(); });
    setTitle(tr("%1  User: %2").arg(tr("Permissions Management"), userName));

    auto *content = new QWidget(frame());
    content->setStyleSheet(QStringLiteral("QLineEdit,QComboBox,QCheckBox,QRadioButton,QTableWidget,"
                                          "QHeaderView,QProgressBar{font-size:13px;}"
                                          "QGroupBox{font-size:13px;font-weight:bold;}"));
    content->setGeometry(0, TitleHeight, FrameWidth, FrameHeight - TitleHeight);
    auto *columns = new QHBoxLayout(content);
    columns->setContentsMargins(14, 10, 14, 12);
    columns->setSpacing(12);
    auto *left = new QVBoxLayout;
    auto *right = new QVBoxLayout;
    for (const PermissionLayout::Group &group : PermissionLayout::groups())
        (group.kind == PermissionLayout::Kind::Function ? left : right)
            ->addWidget(buildGroup(group, content));
    left->addStretch(1);
    auto *apply = new QPushButton(tr("Apply"), content);
    apply->setObjectName(QStringLiteral("btnApply"));
    apply->setMinimumSize(110, 32);
    apply->setStyleSheet(DialogStyle::primaryButton());
    apply->setCursor(Qt::PointingHandCursor);
    connect(apply, &QPushButton::clicked, this, &PermissionDialog::apply);
    right->addStretch(1);
    right->addWidget(apply, 0, Qt::AlignRight);
    columns->addLayout(left, 11);
    columns->addLayout(right, 10);
    setFrameSize(QSize(FrameWidth, FrameHeight));
    loadRights();
}

QWidget *PermissionDialog::buildGroup(const PermissionLayout::Group &group, QWidget *parent)
{
    auto *box = new QGroupBox(group.title, parent);
    box->setObjectName(group.objectName);
    auto *layout = new QVBoxLayout(box);
    layout->setContentsMargins(8, 6, 8, 6);
    layout->setSpacing(2);
    auto *all = new QPushButton(group.allText, box);
    all->setObjectName(group.objectName + QStringLiteral("_all"));
    all->setStyleSheet(DialogStyle::secondaryButton());
    all->setMinimumHeight(26);
    all->setCursor(Qt::PointingHandCursor);
    layout->addWidget(all, 0, Qt::AlignLeft);
    auto *grid = new QGridLayout;
    grid->setSpacing(2);
    const bool function = group.kind == PermissionLayout::Kind::Function;
    for (int i = 0; i < group.keys.size(); ++i) {
        const int key = group.keys.at(i);
        auto *check = new SvgCheckBox(box);
        check->setObjectName(function ? QStringLiteral("fn_%1").arg(key)
                                      : QStringLiteral("%1_%2").arg(group.objectName).arg(key));
        check->setLabelText(PermissionLayout::portLabel(group.kind, key));
        check->setSvgIconSize(QSize(30, 16));
        check->setFixedSize(BoxWidth, BoxHeight);
        check->setChecked(PermissionLayout::startsChecked(group.kind, key));
        check->installEventFilter(this);
        grid->addWidget(check, i / group.perRow, i % group.perRow);
        if (function)
            m_functions.insert(key, check);
        else
            m_ports[group.kind].append(check);
    }
    grid->setColumnStretch(group.perRow, 1);
    layout->addLayout(grid);
    connect(all, &QPushButton::clicked, this, [this, group] { selectAll(group); });
    return box;
}

QVector<SvgCheckBox *> PermissionDialog::boxesOf(const PermissionLayout::Group &group) const
{
    if (group.kind != PermissionLayout::Kind::Function)
        return m_ports.value(group.kind);
    QVector<SvgCheckBox *> boxes;
    for (int key : group.keys)
        boxes << m_functions.value(key);
    return boxes;
}

void PermissionDialog::selectAll(const PermissionLayout::Group &group)
{
    m_changed = true;
    const QVector<SvgCheckBox *> boxes = boxesOf(group);
    QVector<bool> states;
    for (SvgCheckBox *b : boxes)
        states << b->isChecked();
    const QVector<bool> next = PermissionLayout::selectAll(states);
    for (int i = 0; i < boxes.size(); ++i)
        boxes.at(i)->setChecked(next.at(i));
}

void PermissionDialog::loadRights()
{
    if (!m_store)
        return;
    const PermissionRights stored = m_store->readRights(m_userId.toInt());
    const QVector<QPair<PermissionLayout::Kind, QVector<bool>>> lists = {
        {PermissionLayout::Kind::Input, stored.inputs},
        {PermissionLayout::Kind::Output, stored.outputs},
        {PermissionLayout::Kind::Audio, stored.audio},
        {PermissionLayout::Kind::Analog, stored.analog}};
    for (const auto &list : lists) {
        const QVector<SvgCheckBox *> boxes = m_ports.value(list.first);
        for (int i = 0; i < boxes.size(); ++i)
            boxes.at(i)->setChecked(
                PermissionLayout::storedOr(list.second, i, boxes.at(i)->isChecked()));
    }
    for (auto it = m_functions.begin(); it != m_functions.end(); ++it)
        it.value()->setChecked(
            PermissionLayout::storedOr(stored.functions, it.key(), it.value()->isChecked()));
}

PermissionRights PermissionDialog::rights() const
{
    auto states = [this](PermissionLayout::Kind kind) {
        QVector<bool> s;
        for (SvgCheckBox *b : m_ports.value(kind))
            s << b->isChecked();
        return s;
    };
    PermissionRights r;
    r.inputs = states(PermissionLayout::Kind::Input);
    r.outputs = states(PermissionLayout::Kind::Output);
    r.audio = states(PermissionLayout::Kind::Audio);
    r.analog = states(PermissionLayout::Kind::Analog);
    for (int key = 0; key < PermissionStore::FunctionKeyCount; ++key)
        r.functions << m_functions.value(key)->isChecked();
    return r;
}

void PermissionDialog::apply()
{
    if (m_store)
        m_store->saveRights(m_userId.toInt(), rights());
    m_changed = false;
}

void PermissionDialog::closeDialog()
{
    if (!m_changed) {
        reject();
        return;
    }
    DialogConfirm3Btn confirm(
        this, tr("Quit Permission Management"), tr("Apply the latest changes?"));
    const int answer = Dialogs::run(m_runDialog, confirm);
    if (answer == DialogConfirm3Btn::Cancel)
        return;
    if (answer == DialogConfirm3Btn::Yes) {
        apply();
        accept();
        return;
    }
    reject();
}

bool PermissionDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease && qobject_cast<SvgCheckBox *>(watched))
        m_changed = true;
    return FramelessDialog::eventFilter(watched, event);
}
