#include "databaseprompt.h"

#include <QDir>
#include <QMessageBox>
#include <QPushButton>

using ProjectDbCheck::Choice;
using ProjectDbCheck::Verdict;

QString DatabasePrompt::message(const QString &path, const ProjectDbCheck::Result &result)
{
    const QString file = QDir::toNativeSeparators(path);
    switch (result.verdict) {
    case Verdict::Damaged:
        return tr("The project database %1 is damaged and cannot be used (%2).\n\n"
                  "Start with a fresh database? The damaged file is kept beside it, "
                  "renamed, and is not changed.")
            .arg(file, result.detail);
    case Verdict::Locked:
        return tr("The project database %1 is in use by another program (%2).\n\n"
                  "Close that program and try again.")
            .arg(file, result.detail);
    case Verdict::Unreadable:
        return tr("The project database %1 cannot be read (%2).\n\n"
                  "Check the file's permissions and start again.")
            .arg(file, result.detail);
    case Verdict::ReadOnly:
        return tr("The project database %1 is read-only: users, rights and names you change "
                  "will not be saved.")
            .arg(file);
    case Verdict::Usable:
        break;
    }
    return QString();
}

Choice DatabasePrompt::ask(const QString &path, const ProjectDbCheck::Result &result)
{
    QMessageBox box(QMessageBox::Warning, tr("Project database"), message(path, result));
    switch (result.verdict) {
    case Verdict::Damaged: {
        QPushButton *fresh = box.addButton(tr("Start fresh"), QMessageBox::AcceptRole);
        box.addButton(tr("Quit"), QMessageBox::RejectRole);
        box.exec();
        return box.clickedButton() == fresh ? Choice::StartFresh : Choice::Quit;
    }
    case Verdict::Locked: {
        QPushButton *retry = box.addButton(tr("Try again"), QMessageBox::AcceptRole);
        box.addButton(tr("Quit"), QMessageBox::RejectRole);
        box.exec();
        return box.clickedButton() == retry ? Choice::Retry : Choice::Quit;
    }
    case Verdict::ReadOnly:
        box.addButton(QMessageBox::Ok);
        box.exec();
        return Choice::Continue;
    case Verdict::Unreadable:
    case Verdict::Usable:
        break;
    }
    box.addButton(tr("Quit"), QMessageBox::RejectRole);
    box.exec();
    return Choice::Quit;
}
