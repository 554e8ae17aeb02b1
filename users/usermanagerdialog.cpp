#include "usermanagerdialog.h"

#include "permissiondialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {
constexpr int FrameWidth = 560;
constexpr int FrameHeight = 430;

QPushButton *button(const QString &name, const QString &text, bool primary, QWidget *parent)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setMinimumHeight(30);
    b->setCursor(Qt::PointingHandCursor);
    b->setStyleSheet(primary ? DialogStyle::primaryButton() : DialogStyle::secondaryButton());
    return b;
}
} // namespace

Usermanagerdialog::Usermanagerdialog(QWidget *parent)
    : FramelessDialog(parent, Kind::Tool, 35)
{
    setTitle(tr("User Management"));
    closeButton()->setObjectName(QStringLiteral("btnClose"));
    setCloseAction([this] { on_btnClose_clicked(); });
    buildForm();
    setFrameSize(QSize(FrameWidth, FrameHeight));
    m_tipTimer = new QTimer(this);
    m_tipTimer->setSingleShot(true);
    m_tipTimer->setInterval(MessageMs);
    connect(m_tipTimer, &QTimer::timeout, m_tip, &QLabel::clear);
    applyState();
}

QWidget *Usermanagerdialog::buildUserList(QWidget *content)
{
    auto *listGroup = new QGroupBox(tr("Userlist"), content);
    auto *listLayout = new QVBoxLayout(listGroup);
    m_table = new QTableWidget(0, 2, listGroup);
    m_table->setObjectName(QStringLiteral("tableWidget"));
    m_table->setHorizontalHeaderLabels({tr("ID"), tr("UserName")});
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->verticalHeader()->setDefaultSectionSize(28);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setColumnWidth(0, 50);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    listLayout->addWidget(m_table);
    return listGroup;
}

void Usermanagerdialog::buildForm()
{
    auto *content = new QWidget(frame());
    content->setStyleSheet(QStringLiteral("QLineEdit,QComboBox,QCheckBox,QRadioButton,QTableWidget,"
                                          "QHeaderView,QProgressBar{font-size:13px;}"
                                          "QGroupBox{font-size:13px;font-weight:bold;}"));
    content->setGeometry(0, TitleHeight, FrameWidth, FrameHeight - TitleHeight);
    auto *layout = new QHBoxLayout(content);
    layout->setContentsMargins(16, 12, 16, 14);
    layout->setSpacing(14);

    layout->addWidget(buildUserList(content), 1);

    auto *right = new QGridLayout;
    m_name = new QLineEdit(content);
    m_name->setObjectName(QStringLiteral("usernameEdit"));
    m_password = new QLineEdit(content);
    m_password->setObjectName(QStringLiteral("passwordEdit"));
    m_repeat = new QLineEdit(content);
    m_repeat->setObjectName(QStringLiteral("repeatEdit"));
    for (QLineEdit *e : {m_password, m_repeat})
        e->setEchoMode(QLineEdit::Password);
    m_tip = new QLabel(content);
    m_tip->setObjectName(QStringLiteral("tipLabel"));
    m_tip->setStyleSheet(QStringLiteral("color:#d03030;"));
    m_add = button(QStringLiteral("btnAdd"), tr("Add"), false, content);
    m_edit = button(QStringLiteral("btnEdit"), tr("Edit"), false, content);
    m_del = button(QStringLiteral("btnDel"), tr("Delete"), false, content);
    m_save = button(QStringLiteral("btnSave"), tr("Save"), true, content);
    m_permission =
        button(QStringLiteral("btnPermission"), tr("Permissions Management"), false, content);

    right->addWidget(new QLabel(tr("UserName"), content), 0, 0);
    right->addWidget(m_name, 1, 0, 1, 3);
    right->addWidget(new QLabel(tr("New PassWord"), content), 2, 0);
    right->addWidget(m_password, 3, 0, 1, 3);
    right->addWidget(new QLabel(tr("Confirm New Password"), content), 4, 0, 1, 3);
    right->addWidget(m_repeat, 5, 0, 1, 3);
    right->addWidget(m_tip, 6, 0, 1, 3);
    right->addWidget(m_add, 7, 0);
    right->addWidget(m_edit, 7, 1);
    right->addWidget(m_del, 7, 2);
    right->addWidget(m_save, 8, 0, 1, 3);
    right->addWidget(m_permission, 9, 0, 1, 3);
    right->setRowStretch(10, 1);
    layout->addLayout(right, 1);

    connect(m_table, &QTableWidget::currentCellChanged, this, [this](int row) {
        currentRowChanged(row);
    });
    connect(m_add, &QPushButton::clicked, this, &Usermanagerdialog::on_btnAdd_clicked);
    connect(m_edit, &QPushButton::clicked, this, &Usermanagerdialog::on_btnEdit_clicked);
    connect(m_del, &QPushButton::clicked, this, &Usermanagerdialog::on_btnDel_clicked);
    connect(m_save, &QPushButton::clicked, this, &Usermanagerdialog::on_btnSave_clicked);
    connect(
        m_permission, &QPushButton::clicked, this, &Usermanagerdialog::on_btnPermission_clicked);
}

void Usermanagerdialog::loadUsers()
{
    m_model.load();
    const QSignalBlocker blocker(m_table);
    m_table->clearSelection();
    m_table->setCurrentCell(-1, -1);
    const QVector<UserRow> &users = m_model.users();
    m_table->setRowCount(users.size());
    for (int row = 0; row < users.size(); ++row) {
        m_table->setItem(row, 0, new QTableWidgetItem(QString::number(users.at(row).id)));
        m_table->setItem(row, 1, new QTableWidgetItem(users.at(row).username));
    }
}

void Usermanagerdialog::currentRowChanged(int row)
{
    m_model.select(row);
    if (const UserRow *user = m_model.selectedUser()) {
        m_name->setText(user->username);
    } else {
        m_name->clear();
        m_password->clear();
        m_repeat->clear();
    }
    applyState();
}

void Usermanagerdialog::applyState()
{
    const UserManagerModel::Controls c =
        UserManagerModel::controlsFor(m_model.state(), m_name->text());
    if (c.clearName)
        m_name->clear();
    if (c.clearPasswords) {
        m_password->clear();
        m_repeat->clear();
    }
    m_add->setEnabled(c.add);
    m_edit->setEnabled(c.edit);
    m_del->setEnabled(c.del);
    m_save->setEnabled(c.save);
    m_permission->setEnabled(c.permissions);
    m_name->setEnabled(c.nameEnabled);
    m_password->setEnabled(c.passwordsEnabled);
    m_repeat->setEnabled(c.passwordsEnabled);
    if (m_model.state() == UserManagerModel::State::Idle) {
        const QSignalBlocker blocker(m_table);
        m_table->clearSelection();
        m_table->setCurrentCell(-1, -1);
    }
}

void Usermanagerdialog::showTip(const QString &text)
{
    m_tip->setText(text);
    m_tipTimer->start();
}

void Usermanagerdialog::on_btnAdd_clicked()
{
    m_name->clear();
    m_model.startAdd();
    applyState();
}

void Usermanagerdialog::on_btnEdit_clicked()
{
    m_model.startEdit();
    applyState();
}

void Usermanagerdialog::on_btnSave_clicked()
{
    const QString message = m_model.save(m_name->text(), m_password->text(), m_repeat->text());
    if (!message.isEmpty()) {
        showTip(message);
        return;
    }
    loadUsers();
    applyState();
}

void Usermanagerdialog::on_btnDel_clicked()
{
    m_model.removeSelected();
    loadUsers();
    applyState();
}

void Usermanagerdialog::on_btnPermission_clicked()
{
    const UserRow *user = m_model.selectedUser();
    if (!user)
        return;
    PermissionDialog dialog(
        QString::number(user->id), user->username, m_model.permissionStore(), nullptr);
    Dialogs::run(m_runDialog, dialog);
}

void Usermanagerdialog::on_btnClose_clicked()
{
    reject();
}
