#pragma once

#include "framelessdialog.h"

class QLineEdit;

// Asks for a port's new name; Sig_SetNewName only when the name really changes.
class RenameDialog : public FramelessDialog
{
    Q_OBJECT

public:
    RenameDialog(const QString &oldName, QWidget *parent = nullptr);
    QLineEdit *lineEdit() const { return m_edit; }

signals:
    void Sig_SetNewName(const QString &newName);

private:
    QString m_oldName;
    QLineEdit *m_edit = nullptr;
};
