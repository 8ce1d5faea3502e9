#include "ui/ShellUtils.h"

#include "base/Logger.h"
#include "platform/linux/FileRemoval.h"
#include "platform/linux/Trash.h"
#include "ui/DesktopApplications.h"
#include "ui/FileOperation.h"
#include "ui/FilePropertiesDialog.h"
#include "ui/ShellOpen.h"

#include <QApplication>
#include <QClipboard>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QMimeData>
#include <QPointer>
#include <QUrl>

namespace {

const char kComponent[] = "ShellUtils";
const char kFileManagerService[] = "org.freedesktop.FileManager1";
const char kFileManagerPath[] = "/org/freedesktop/FileManager1";
// Beyond this many, failures are listed in the message box's details.
const int kFailuresShown = 10;

ShellUtils::Question &question()
{
    static ShellUtils::Question answer;
    return answer;
}

ShellUtils::Report &report()
{
    static ShellUtils::Report take;
    return take;
}

void warn(const QString &message)
{
    Logger::instance()->log(WARNING, kComponent, message);
}

bool ask(QWidget *owner, const QString &text)
{
    if (question())
        return question()(owner, text);
    return QMessageBox::question(owner, QString(), text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        == QMessageBox::Yes;
}

void reportFailures(QWidget *owner, const QString &heading, const QList<FileOperation::Failure> &failures)
{
    if (failures.isEmpty())
        return;
    QStringList lines;
    for (const FileOperation::Failure &failure : failures)
        lines.append(QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(failure.path), failure.reason));
    const QString text = heading + QLatin1Char('\n') + lines.mid(0, kFailuresShown).join(QLatin1Char('\n'));
    if (report()) {
        report()(owner, heading + QLatin1Char('\n') + lines.join(QLatin1Char('\n')));
        return;
    }
    QMessageBox box(QMessageBox::Warning, QString(), text, QMessageBox::Ok, owner);
    if (lines.size() > kFailuresShown)
        box.setDetailedText(lines.join(QLatin1Char('\n')));
    box.exec();
}

// Removes a file, a link or a folder with everything in it, deepest first.
// A folder whose contents could not all go is left, and not reported again.
bool removeTree(const QString &path, const std::atomic_bool &canceled, QList<FileOperation::Failure> *failures)
{
    QString error;
    if (isRealFolder(path)) {
        bool emptied = true;
        const QStringList names =
            QDir(path).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        for (const QString &name : names) {
            if (canceled)
                return false;
            emptied = removeTree(path + QLatin1Char('/') + name, canceled, failures) && emptied;
        }
        if (!emptied)
            return false;
        if (removeFileSystemEntry(path, /*folder=*/true, &error))
            return true;
    } else if (removeFileSystemEntry(path, /*folder=*/false, &error)) {
        return true;
    }
    failures->append({path, error});
    return false;
}

bool trash(const QString &path, const std::atomic_bool &, QList<FileOperation::Failure> *failures)
{
    QString error;
    if (moveToTrash(path, &error))
        return true;
    failures->append({path, error});
    return false;
}

// Asks the desktop's file manager; `fallback` runs when there is none on
// the session bus or it answers with an error. Never waits for the answer.
void callFileManager(const QString &method, const QStringList &paths, std::function<void()> fallback)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        fallback();
        return;
    }
    QStringList uris;
    for (const QString &path : paths)
        uris.append(QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded));
    QDBusMessage call = QDBusMessage::createMethodCall(QLatin1String(kFileManagerService),
                                                       QLatin1String(kFileManagerPath),
                                                       QLatin1String(kFileManagerService), method);
    call << uris << QString();
    auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(call), qApp);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, [watcher, method, fallback] {
        watcher->deleteLater();
        if (!watcher->isError())
            return;
        warn(QStringLiteral("%1 failed, error = %2").arg(method, watcher->error().message()));
        fallback();
    });
}

} // namespace

void ShellUtils::setQuestion(Question answer)
{
    question() = std::move(answer);
}

void ShellUtils::setReport(Report take)
{
    report() = std::move(take);
}

QMimeData *ShellUtils::filesMimeData(const QStringList &paths, bool cut)
{
    QByteArray uriList;
    QByteArray copiedFiles = cut ? "cut" : "copy";
    for (const QString &path : paths) {
        const QByteArray uri = QUrl::fromLocalFile(path).toEncoded();
        uriList += uri + "\r\n";
        copiedFiles += '\n' + uri;
    }
    auto *data = new QMimeData;
    data->setData(QStringLiteral("text/uri-list"), uriList);
    data->setData(QStringLiteral("x-special/gnome-copied-files"), copiedFiles);
    data->setData(QStringLiteral("x-special/mate-copied-files"), copiedFiles);
    data->setData(QStringLiteral("application/x-kde-cutselection"), cut ? "1" : "0");
    data->setText(paths.join(QLatin1Char('\n')));
    return data;
}

static bool putFilesOnClipboard(const QStringList &paths, bool cut)
{
    if (paths.isEmpty())
        return false;
    QMimeData *data = ShellUtils::filesMimeData(paths, cut);
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->setMimeData(data);
    if (clipboard->mimeData() == data)
        return true;
    warn(QStringLiteral("OleSetClipboard failed"));
    return false;
}

void ShellUtils::copyFilesToClipboard(const QStringList &paths)
{
    putFilesOnClipboard(paths, /*cut=*/false);
}

bool ShellUtils::cutFilesToClipboard(const QStringList &paths)
{
    return putFilesOnClipboard(paths, /*cut=*/true);
}

void ShellUtils::setClipboardText(QWidget *, const QString &text)
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->setText(text);
    if (clipboard->text() != text)
        warn(QStringLiteral("SetClipboardData failed"));
}

bool ShellUtils::deleteFiles(QWidget *owner, const QStringList &paths, bool silent, QStringList *removed)
{
    if (paths.isEmpty())
        return false;
    if (!silent
        && !ask(owner, tr("Do you really want to delete %n item(s) permanently? This cannot be undone.", nullptr,
                          paths.size()))) {
        return false;
    }
    FileOperation operation(owner, tr("Deleting..."), removeTree);
    const QStringList gone = operation.run(paths);
    reportFailures(owner, tr("These items could not be deleted:"), operation.failures());
    if (removed)
        *removed = gone;
    return gone.size() == paths.size();
}

bool ShellUtils::moveFilesToTrash(QWidget *owner, const QStringList &paths, QStringList *removed)
{
    if (paths.isEmpty())
        return false;
    if (!hasSessionHandOver())
        return moveToTrashHere(owner, paths, removed, /*report=*/true);
    // The session moves each file into the user's own trash; what is gone
    // from its place afterwards went there. Handed over from the worker, as
    // the session may take its time to answer.
    FileOperation handOver(owner, tr("Moving to the trash..."),
                           [](const QString &path, const std::atomic_bool &, QList<FileOperation::Failure> *failures) {
                               if (!handOverToSession(SessionErrand::MoveToTrash, {path})) {
                                   failures->append({path, tr("The desktop session could not be reached.")});
                                   return false;
                               }
                               if (!QFileInfo::exists(path) && !QFileInfo(path).isSymLink())
                                   return true;
                               failures->append({path, tr("It is still there.")});
                               return false;
                           });
    const QStringList gone = handOver.run(paths);
    reportFailures(owner, tr("These items could not be moved to the trash:"), handOver.failures());
    if (removed)
        *removed = gone;
    return gone.size() == paths.size();
}

bool ShellUtils::moveToTrashHere(QWidget *owner, const QStringList &paths, QStringList *removed, bool report)
{
    FileOperation operation(owner, tr("Moving to the trash..."), trash);
    const QStringList gone = operation.run(paths);
    if (report)
        reportFailures(owner, tr("These items could not be moved to the trash:"), operation.failures());
    for (const FileOperation::Failure &failure : operation.failures())
        warn(QStringLiteral("Cannot move %1 to the trash, error = %2").arg(failure.path, failure.reason));
    if (removed)
        *removed = gone;
    return gone.size() == paths.size();
}

void ShellUtils::showFileLocation(QWidget *owner, const QString &path)
{
    if (!hasSessionHandOver()) {
        showFileLocationHere(owner, path);
        return;
    }
    if (!handOverToSession(SessionErrand::OpenFileLocation, {path}))
        warn(QStringLiteral("Cannot hand %1 to the session").arg(path));
}

void ShellUtils::showFileLocationHere(QWidget *owner, const QString &path)
{
    QPointer<QWidget> window(owner);
    const QString folder = QFileInfo(path).absolutePath();
    callFileManager(QStringLiteral("ShowItems"), {path}, [window, folder] {
        if (!openWithShell(window, folder, QString()))
            warn(QStringLiteral("Cannot open %1").arg(folder));
    });
}

void ShellUtils::showProperties(QWidget *owner, const QStringList &paths)
{
    if (paths.isEmpty())
        return;
    if (!hasSessionHandOver()) {
        showPropertiesHere(owner, paths);
        return;
    }
    if (!handOverToSession(SessionErrand::ShowProperties, paths))
        warn(QStringLiteral("Cannot hand %1 items to the session").arg(paths.size()));
}

void ShellUtils::showPropertiesHere(QWidget *owner, const QStringList &paths)
{
    QPointer<QWidget> window(owner);
    callFileManager(QStringLiteral("ShowItemProperties"), paths, [window, paths] {
        auto *dialog = new FilePropertiesDialog(paths, window);
        dialog->show();
    });
}

bool ShellUtils::openWith(QWidget *, const QString &applicationId, const QString &path)
{
    if (hasSessionHandOver())
        return handOverToSession(SessionErrand::OpenWith, {applicationId, path});
    return DesktopApplications::launch(applicationId, path);
}

bool ShellUtils::performSessionErrand(SessionErrand errand, const QStringList &arguments)
{
    switch (errand) {
    case SessionErrand::OpenFileLocation:
        if (arguments.isEmpty())
            return false;
        showFileLocationHere(nullptr, arguments.first());
        return true;
    case SessionErrand::OpenWith:
        return arguments.size() == 2 && DesktopApplications::launch(arguments.at(0), arguments.at(1));
    case SessionErrand::MoveToTrash:
        // The instance that handed them over sees what stayed and says so.
        return moveToTrashHere(nullptr, arguments, nullptr, /*report=*/false);
    case SessionErrand::ShowProperties:
        if (arguments.isEmpty())
            return false;
        showPropertiesHere(nullptr, arguments);
        return true;
    }
    return false;
}
