#pragma once

#include "ui/SessionHandOver.h"

#include <QCoreApplication>
#include <QStringList>

#include <functional>

class QMimeData;
class QWidget;

// Files on the clipboard and the operations a file manager offers on them.
// GUI thread only; the slow parts (deleting, moving to the trash, reading
// properties) run on workers while the window waits without freezing.
//
// In a root instance the operations that belong to the user's desktop
// (the file manager, the trash, applications) are handed to the session
// (SessionHandOver.h); deleting and the clipboard stay here.
class ShellUtils
{
    Q_DECLARE_TR_FUNCTIONS(ShellUtils)

public:
    // The files as file managers paste them: "text/uri-list", the GNOME and
    // MATE "copied files" lists, KDE's cut mark, and the paths as text. A
    // file manager that pastes a cut moves the files itself.
    static void copyFilesToClipboard(const QStringList &paths);
    // False when the clipboard did not take the files (or there are none).
    static bool cutFilesToClipboard(const QStringList &paths);
    static QMimeData *filesMimeData(const QStringList &paths, bool cut);
    static void setClipboardText(QWidget *owner, const QString &text);

    // Deletes permanently, folders with everything in them, after asking
    // (unless `silent`) how many items should go. Each path that could not
    // be deleted is reported with the system's reason. True only when all
    // went; `removed` (when given) receives the paths that are gone.
    static bool deleteFiles(QWidget *owner, const QStringList &paths, bool silent, QStringList *removed = nullptr);
    // Moves to the user's trash (the freedesktop.org trash). A file that
    // cannot be trashed is reported, never deleted instead.
    static bool moveFilesToTrash(QWidget *owner, const QStringList &paths, QStringList *removed = nullptr);

    // The file manager opens the file's folder with the file selected;
    // without one, the folder opens in the default application.
    static void showFileLocation(QWidget *owner, const QString &path);
    // The file manager's properties, else a dialog of our own.
    static void showProperties(QWidget *owner, const QStringList &paths);
    // Opens `path` with the desktop application `applicationId`.
    static bool openWith(QWidget *owner, const QString &applicationId, const QString &path);

    // Runs an errand handed over from a root instance, in this process.
    static bool performSessionErrand(SessionErrand errand, const QStringList &arguments);

    // Tests answer the questions and take the reports themselves; empty
    // functions restore the message boxes.
    using Question = std::function<bool(QWidget *owner, const QString &text)>;
    using Report = std::function<void(QWidget *owner, const QString &text)>;
    static void setQuestion(Question question);
    static void setReport(Report report);

private:
    static bool moveToTrashHere(QWidget *owner, const QStringList &paths, QStringList *removed, bool report);
    static void showFileLocationHere(QWidget *owner, const QString &path);
    static void showPropertiesHere(QWidget *owner, const QStringList &paths);
};
