#include "renamedialog.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

RenameDialog::RenameDialog(const QString &oldName, QWidget *parent)
    : FramelessDialog(parent, Kind::Normal, 25)
    , m_oldName(oldName)
{
    setTitle(tr("Rename"));
    setFrameSize(QSize(320, 160));
    auto *label = new QLabel(tr("新名称:"), frame());
    label->setGeometry(18, 56, 70, 30);
    m_edit = new QLineEdit(oldName, frame());
    m_edit->setObjectName(QStringLiteral("RenameLineedit"));
    m_edit->setGeometry(92, 56, 210, 30);
    m_edit->setStyleSheet(QStringLiteral("QLineEdit{border:1px solid #cfd8d4;border-radius:4px;padding:0 6px;"
                                         "color:#2c3e50;font-size:13px;}QLineEdit:focus{border-color:#338c56;}"));
    auto *ok = new QPushButton(tr("OK"), frame());
    ok->setObjectName(QStringLiteral("btnOk"));
    ok->setStyleSheet(DialogStyle::primaryButton());
    ok->setGeometry(142, 112, 76, 30);
    ok->setDefault(true);
    auto *cancel = new QPushButton(tr("Cancel"), frame());
    cancel->setObjectName(QStringLiteral("btnCancel"));
    cancel->setStyleSheet(DialogStyle::secondaryButton());
    cancel->setGeometry(226, 112, 76, 30);

    connect(ok, &QPushButton::clicked, this, [this] {
        const QString name = m_edit->text();
        if (!name.isEmpty() && name != m_oldName)
            emit Sig_SetNewName(name);
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    m_edit->setFocus();
}
