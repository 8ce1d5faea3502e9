#include "ui/ShellContextMenu.h"

#include "ui/DesktopApplications.h"
#include "ui/ShellOpen.h"
#include "ui/ShellUtils.h"

#include <QIcon>
#include <QMenu>
#include <QMimeDatabase>

namespace {

const char kVerb[] = "verb";
const char kDeleteVerb[] = "delete";

} // namespace

ShellContextMenu::ShellContextMenu(QWidget *owner, const QStringList &paths)
    : m_owner(owner)
    , m_paths(paths)
    , m_menu(new QMenu(owner))
{
    m_menu->setObjectName(QStringLiteral("shellContextMenu"));
    if (paths.size() == 1)
        buildFileMenu();
    else if (paths.size() > 1)
        buildSeveralFilesMenu();
}

ShellContextMenu::~ShellContextMenu()
{
    delete m_menu;
}

QAction *ShellContextMenu::addCommand(QMenu *menu, int command, const QString &text, const char *verb)
{
    QAction *action = menu->addAction(text);
    action->setData(command);
    if (verb)
        action->setProperty(kVerb, QString::fromLatin1(verb));
    return action;
}

void ShellContextMenu::buildFileMenu()
{
    addCommand(m_menu, OpenFileLocationCommand, tr("Open file location"));
    addCommand(m_menu, CopyFullNameCommand, tr("Copy full name"));
    m_menu->addSeparator();
    m_menu->setDefaultAction(addCommand(m_menu, OpenCommand, tr("&Open"), "open"));
    buildOpenWithMenu();
    m_menu->addSeparator();
    addCommand(m_menu, CutCommand, tr("Cu&t"), "cut");
    addCommand(m_menu, CopyCommand, tr("&Copy"), "copy");
    m_menu->addSeparator();
    m_renameAction = addCommand(m_menu, RenameCommand, tr("&Rename..."), "rename");
    m_renameAction->setEnabled(false);
    addRemovalCommands();
    m_menu->addSeparator();
    addCommand(m_menu, PropertiesCommand, tr("&Properties"), "properties");
}

// Del and Shift+Del, as in the window's Edit menu.
void ShellContextMenu::addRemovalCommands()
{
    addCommand(m_menu, MoveToTrashCommand, tr("Move to T&rash"), kDeleteVerb)->setShortcut(QKeySequence::Delete);
    addCommand(m_menu, DeleteCommand, tr("&Delete"), kDeleteVerb)->setShortcut(QKeySequence(Qt::SHIFT + Qt::Key_Delete));
}

void ShellContextMenu::buildOpenWithMenu()
{
    QMenu *openWith = m_menu->addMenu(tr("Open &With"));
    openWith->setObjectName(QStringLiteral("openWithMenu"));
    // By name only: the menu must not wait for the file's contents.
    const QString mimeType = QMimeDatabase().mimeTypeForFile(m_paths.first(), QMimeDatabase::MatchExtension).name();
    const QList<DesktopApplications::Application> applications = DesktopApplications::forMimeType(mimeType);
    for (const DesktopApplications::Application &application : applications) {
        if (FirstOpenWithCommand + m_applications.size() > kLastFileCommand)
            break;
        QAction *action = addCommand(openWith, FirstOpenWithCommand + m_applications.size(), application.name,
                                     "openwith");
        action->setIcon(QIcon::fromTheme(application.iconName));
        m_applications.append(application.id);
    }
    openWith->setEnabled(!m_applications.isEmpty());
}

void ShellContextMenu::buildSeveralFilesMenu()
{
    addCommand(m_menu, CutCommand, tr("Cu&t"), "cut");
    addCommand(m_menu, CopyCommand, tr("&Copy"), "copy");
    addRemovalCommands();
    m_menu->addSeparator();
    addCommand(m_menu, PropertiesCommand, tr("&Properties"), "properties");
}

void ShellContextMenu::setRenameHandler(std::function<void()> rename)
{
    m_rename = std::move(rename);
    if (m_renameAction)
        m_renameAction->setEnabled(bool(m_rename));
}

bool ShellContextMenu::exec(const QPoint &pos)
{
    if (m_paths.isEmpty())
        return false;
    return run(m_menu->exec(pos));
}

bool ShellContextMenu::run(QAction *action)
{
    m_removed.clear();
    if (!action || m_paths.isEmpty())
        return false;
    const int command = action->data().toInt();
    switch (command) {
    case OpenFileLocationCommand:
        ShellUtils::showFileLocation(m_owner, m_paths.first());
        return false;
    case CopyFullNameCommand:
        ShellUtils::setClipboardText(m_owner, m_paths.first());
        return false;
    default:
        return runFileCommand(command, action->property(kVerb).toString());
    }
}

bool ShellContextMenu::runFileCommand(int command, const QString &verb)
{
    bool done = false;
    switch (command) {
    case OpenCommand:
        done = openWithShell(m_owner, m_paths.first(), QString());
        break;
    case CutCommand:
        done = ShellUtils::cutFilesToClipboard(m_paths);
        break;
    case CopyCommand:
        ShellUtils::copyFilesToClipboard(m_paths);
        break;
    case RenameCommand:
        if (m_rename)
            m_rename();
        break;
    case MoveToTrashCommand:
        done = ShellUtils::moveFilesToTrash(m_owner, m_paths, &m_removed);
        break;
    case DeleteCommand:
        done = ShellUtils::deleteFiles(m_owner, m_paths, /*silent=*/false, &m_removed);
        break;
    case PropertiesCommand:
        ShellUtils::showProperties(m_owner, m_paths);
        break;
    default:
        if (command >= FirstOpenWithCommand && command - FirstOpenWithCommand < m_applications.size())
            done = ShellUtils::openWith(m_owner, m_applications.at(command - FirstOpenWithCommand), m_paths.first());
        break;
    }
    return done && verb.compare(QLatin1String(kDeleteVerb), Qt::CaseInsensitive) == 0;
}

void ShellContextMenu::showContextMenu(QWidget *owner, const QPoint &pos, const QStringList &paths, bool *deleted)
{
    ShellContextMenu menu(owner, paths);
    const bool removed = menu.exec(pos);
    if (deleted)
        *deleted = removed;
}
