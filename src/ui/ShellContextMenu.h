#pragma once

#include <QCoreApplication>
#include <QMenu>
#include <QPointer>
#include <QStringList>

#include <functional>

class QAction;
class QPoint;
class QWidget;

// The context menu of result files. One file gets a file manager's menu of
// its own: "Open file location" and "Copy full name" on top, then Open,
// Open With (the applications registered for its type), Cut, Copy,
// Rename..., Move to Trash, Delete and Properties. Several files get a
// short menu: Cut, Copy, Move to Trash, Delete, Properties.
//
// Each entry carries its command number as the action's data: the file's
// own entries 1 to kLastFileCommand, then the two on top. Entries whose
// verb (the action's "verb" property) is "delete" remove their files.
class ShellContextMenu
{
    Q_DECLARE_TR_FUNCTIONS(ShellContextMenu)

public:
    enum Command {
        OpenCommand = 1,
        CutCommand,
        CopyCommand,
        RenameCommand,
        MoveToTrashCommand,
        DeleteCommand,
        PropertiesCommand,
        // One number per application of "Open With", in the order shown.
        FirstOpenWithCommand = 100,
        kLastFileCommand = 30000,
        OpenFileLocationCommand = 30001,
        CopyFullNameCommand = 30002,
    };

    ShellContextMenu(QWidget *owner, const QStringList &paths);
    ~ShellContextMenu();

    QMenu *menu() const { return m_menu; }
    // What "Rename..." does (the table edits the name in place); the entry
    // is disabled without it.
    void setRenameHandler(std::function<void()> rename);

    // Shows the menu at `pos` (global) and runs the chosen entry. True when
    // the entry deleted its files (all of them).
    bool exec(const QPoint &pos);
    // Runs an entry of the menu as if chosen.
    bool run(QAction *action);
    // The files the last entry removed (deleted or moved to the trash),
    // also when only some of them went.
    QStringList removedPaths() const { return m_removed; }

    // The menu for `paths` at `pos`; `deleted` is set when the files were
    // deleted, so the caller drops their rows.
    static void showContextMenu(QWidget *owner, const QPoint &pos, const QStringList &paths, bool *deleted);

private:
    QAction *addCommand(QMenu *menu, int command, const QString &text, const char *verb = nullptr);
    void buildFileMenu();
    void buildOpenWithMenu();
    void buildSeveralFilesMenu();
    void addRemovalCommands();
    bool runFileCommand(int command, const QString &verb);

    QPointer<QWidget> m_owner;
    QStringList m_paths;
    // Belongs to the owner as well, which may be gone first.
    QPointer<QMenu> m_menu;
    QStringList m_applications; // desktop ids of the Open With entries
    std::function<void()> m_rename;
    QAction *m_renameAction = nullptr;
    QStringList m_removed;
};
