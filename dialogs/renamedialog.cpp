#include "renamedialog.h"

#include "ui_renamedialog.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

RenameDialog::RenameDialog(const QString &oldName, QWidget *parent)
    : FramelessDialog(parent, Kind::Normal, 25)
    , m_oldName(oldName)
{
    setTitle(tr("Rename"));
    Ui::RenameDialog ui;
    ui.setupUi(frame());
    setFrameSize(QSize(320, 160));
    m_edit = ui.RenameLineedit;
    m_edit->setText(oldName);
    m_edit->setStyleSheet(
        QStringLiteral("QLineEdit{border:1px solid #cfd8d4;border-radius:4px;padding:0 6px;"
                       "color:#2c3e50;font-size:13px;}QLineEdit:focus{border-color:#338c56;}"));
    QPushButton *ok = ui.btnOk;
    ok->setStyleSheet(DialogStyle::primaryButton());
    QPushButton *cancel = ui.btnCancel;
    cancel->setStyleSheet(DialogStyle::secondaryButton());

    connect(ok, &QPushButton::clicked, this, [this] {
        const QString name = m_edit->text();
        if (!name.isEmpty() && name != m_oldName)
            emit Sig_SetNewName(name);
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    m_edit->setFocus();
}
