#include "gui/app/project_commands.h"

#include "core/report/reporter.h"
#include "core/store/project_store.h"
#include "gui/app/app_texts.h"
#include "gui/app/recent_projects.h"
#include "gui/files/content_blind_listing.h"
#include "gui/shell/command_actions.h"
#include "gui/shell/command_texts.h"
#include "gui/shell/session.h"
#include "gui/toolkit/remembered_folder.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>

namespace
{
const QString ProjectFolder = QStringLiteral("project");
const QString ProjectSuffix = QStringLiteral("db");

// The chosen file, or empty when the user cancelled.
QString AskProjectPath(CSession& session, QWidget& owner, bool creating)
{
    QFileDialog dialog(owner.window(), creating ? AppTexts::NewProjectTitle : AppTexts::OpenProjectTitle);
    dialog.setAcceptMode(creating ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(creating ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilter(AppTexts::ProjectFilter);
    dialog.setDefaultSuffix(ProjectSuffix);
    // An existing file is refused below rather than overwritten: a project is never replaced.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    // The listing never opens a database to guess its type (closing it would drop its locks).
    UseContentBlindListing(&dialog);
    if (ExecInRememberedFolder(dialog, session.Settings(), ProjectFolder) != QDialog::Accepted ||
        dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}
} // namespace

void RegisterProjectCommands(CCommandActions& commands, CSession& session, QWidget& owner, ProjectOpener open)
{
    commands.Handle(Command::NewProject, [&session, &owner, open] {
        const QString path = AskProjectPath(session, owner, true);
        if (path.isEmpty())
            return;
        if (QFileInfo::exists(path))
        {
            session.Reporter().Message(AppTexts::ProjectExists.Arg(QDir::toNativeSeparators(path)), MessageIcon::Exclamation);
            return;
        }
        open(path);
    });
    commands.Handle(Command::OpenProject, [&session, &owner, open] {
        if (const QString path = AskProjectPath(session, owner, false); !path.isEmpty())
            open(path);
    });
}

QMenu* CreateRecentProjectsMenu(CSession& session, QWidget* parent, ProjectOpener open)
{
    auto* menu = new QMenu(CommandTexts::RecentProjectsMenu, parent);
    menu->setObjectName(QStringLiteral("recentProjectsMenu"));
    QObject::connect(menu, &QMenu::aboutToShow, menu, [menu, &session, open] {
        menu->clear();
        const QString current = QFileInfo(session.Store().DatabasePath()).absoluteFilePath();
        for (const QString& path : RecentProjects(session.Settings()))
        {
            if (QDir::cleanPath(path) == QDir::cleanPath(current))
                continue;
            QAction* item = menu->addAction(QDir::toNativeSeparators(path));
            // A project moved or deleted since is shown, but cannot be chosen.
            item->setEnabled(QFileInfo::exists(path));
            QObject::connect(item, &QAction::triggered, menu, [open, path] { open(path); });
        }
        if (menu->isEmpty())
            menu->addAction(AppTexts::NoRecentProject)->setEnabled(false);
    });
    return menu;
}
