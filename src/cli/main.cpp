#include "app/DataPaths.h"
#include "app/Logger.h"
#include "app/MetaTypes.h"
#include "app/Settings.h"
#include "cli/CommandLine.h"
#include "cli/InteractiveSession.h"
#include "cli/LineReader.h"
#include "cli/ProgressLine.h"
#include "cli/ResultWriter.h"
#include "content/ContentMatches.h"
#include "content/ContentSearcher.h"
#include "platform/linux/NTFSUtils.h"
#include "platform/linux/SystemInfo.h"
#include "search/FileSearchResults.h"
#include "search/FileSearcher.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTextStream>

#include <csignal>

namespace {

const char kComponent[] = "tvq";
const char kVersion[] = "1.43";
const int kFound = 0;
const int kNothingFound = 1;
const int kUsageError = 2;

int usageError(const QString &message)
{
    QTextStream(stderr) << "tvq: " << message << "\nTry 'tvq --help' for more information.\n";
    return kUsageError;
}

// With --settings the file's folder is the data folder: the log and, unless
// the file names another place, the index databases live beside it.
Settings *openSettings(const QString &settingsFile)
{
    const QString file = settingsFile.isEmpty() ? DataPaths::settingsFilePath() : settingsFile;
    const QString folder = QFileInfo(file).absolutePath();
    QDir().mkpath(folder);
    if (!settingsFile.isEmpty()) {
        QSettings raw(file, QSettings::IniFormat);
        if (!raw.contains(QStringLiteral("DBPath")))
            raw.setValue(QStringLiteral("DBPath"), folder);
    }
    Settings *settings = Settings::instance(file);
    // The window program rewrites its own log at each start; tvq keeps its own.
    Logger::instance(folder + QStringLiteral("/tvq.log"));
    return settings;
}

QString classification(const VolumeInfo &volume)
{
    QStringList words;
    if (volume.key.isNull())
        return QStringLiteral("no key");
    words << (isNtfsVolume(volume.key) ? QStringLiteral("indexable") : QStringLiteral("not indexable"));
    if (isRemoteDrive(volume.key))
        words << QStringLiteral("remote");
    if (isSubstDrive(volume.key))
        words << QStringLiteral("bind mount");
    words << (isFixedDrive(volume.key) ? QStringLiteral("fixed") : QStringLiteral("removable"));
    return words.join(QStringLiteral(", "));
}

int listVolumes()
{
    QTextStream out(stdout);
    for (const VolumeInfo &volume : mountedVolumes()) {
        out << (volume.key.isNull() ? QStringLiteral("-") : QString(volume.key)) << '\t' << volume.mountPoint
            << '\t' << volume.fsType << '\t' << classification(volume) << '\n';
    }
    return kFound;
}

// --index: exactly the volumes mounted at these points, for this run only.
bool restrictIndex(IndexingSettings &indexing, const QStringList &mountPoints, QString *error)
{
    indexing.indexDrives.clear();
    indexing.noIndexDrives.clear();
    indexing.autoAddFixed = false;
    indexing.autoAddRemovable = false;
    for (const QString &mountPoint : mountPoints) {
        const VolumeInfo volume = volumeOfPath(mountPoint);
        if (!volume.isValid() || volume.key.isNull() || volume.mountPoint != mountPoint) {
            *error = QStringLiteral("--index: %1 is not the mount point of a volume").arg(mountPoint);
            return false;
        }
        indexing.indexDrives.append(volume.key);
    }
    return true;
}

void waitForInit(FileSearcher &searcher, ProgressLine &progress)
{
    if (searcher.isReady())
        return;
    QEventLoop loop;
    QObject::connect(&searcher, &FileSearcher::initFinished, &loop, &QEventLoop::quit);
    progress.start([&searcher](int seconds) {
        QMap<QChar, int> counts;
        searcher.objectCounts(counts);
        int objects = 0;
        for (const int count : qAsConst(counts))
            objects += count;
        // Counts appear volume by volume, as each one is loaded or built.
        if (objects == 0)
            return QStringLiteral("tvq: loading the index... %1 s").arg(seconds);
        return QStringLiteral("tvq: loading the index: %1 objects in %2 s").arg(objects).arg(seconds);
    });
    loop.exec();
    progress.stop();
}

int runSearch(FileSearcher &searcher, FileSearchRequest &request, ResultWriter &writer, ProgressLine &progress)
{
    FileSearchResults results;
    QEventLoop loop;
    QObject::connect(&searcher, &FileSearcher::findFinished, &loop, [&](FileSearchRequest::Id id) {
        if (id == request.id)
            loop.quit();
    });
    searcher.find(request, results);
    progress.start([&](int seconds) {
        int examined = 0;
        int total = 0;
        searcher.progress(request, examined, total);
        return QStringLiteral("tvq: searching: %1 of %2 candidates checked in %3 s").arg(examined).arg(total).arg(seconds);
    });
    loop.exec();
    progress.stop();
    writer.writeResults(results);
    return results.count() > 0 ? kFound : kNothingFound;
}

int runMatches(FileSearcher &searcher, const FileSearchRequest &request, const QString &file, ResultWriter &writer)
{
    FileSearchRequest copy = request.copyWithNewId();
    ContentMatches matches;
    QEventLoop loop;
    QObject::connect(&searcher, &FileSearcher::findMatchesFinished, &loop, [&](FileSearchRequest::Id id) {
        if (id == copy.id)
            loop.quit();
    });
    searcher.findMatches(copy, QDir::current().absoluteFilePath(file), &matches);
    loop.exec();
    writer.writeMatches(matches);
    return matches.lines.isEmpty() ? kNothingFound : kFound;
}

int runInteractive(FileSearcher &searcher, const FileSearchRequest &prototype, ResultWriter &writer)
{
    InteractiveSession session(&searcher, prototype, &writer);
    LineReader reader;
    QEventLoop loop;
    QObject::connect(&reader, &LineReader::lineRead, &session, &InteractiveSession::onLine);
    QObject::connect(&reader, &LineReader::endOfInput, &session, &InteractiveSession::onEndOfInput);
    QObject::connect(&session, &InteractiveSession::finished, &loop, &QEventLoop::quit);
    reader.start();
    loop.exec();
    reader.wait();
    return kFound;
}

// Without root there is no index, as in the window program.
int checkIndexUse(const CommandLine &commandLine, bool useIndex)
{
    if (!commandLine.indexMountPoints().isEmpty() && !isProcessAdmin())
        return usageError(QStringLiteral("--index needs root: only root can read and monitor whole volumes"));
    if (useIndex || commandLine.hasFolders() || !commandLine.matchesFile().isEmpty())
        return kFound;
    if (commandLine.noIndex())
        return usageError(QStringLiteral("--no-index searches only folders: name them with --in"));
    return usageError(QStringLiteral("without root there is no index, so tvq can only walk folders: "
                                     "name them with --in FOLDERS, or run tvq as root"));
}

int run(const CommandLine &commandLine)
{
    Settings *settings = openSettings(commandLine.settingsFile());
    setVolumeSettings(settings);
    registerMetaTypes();
    if (commandLine.listVolumes())
        return listVolumes();
    const bool useIndex = isProcessAdmin() && !commandLine.noIndex() && commandLine.matchesFile().isEmpty();
    const int status = checkIndexUse(commandLine, useIndex);
    if (status != kFound)
        return status;
    IndexingSettings indexing = settings->indexingSettings();
    QString error;
    if (!commandLine.indexMountPoints().isEmpty() && !restrictIndex(indexing, commandLine.indexMountPoints(), &error))
        return usageError(error);
    QDir().mkpath(ContentSearcher::temporaryFolder());
    FileSearcher searcher(ContentSearcher::temporaryFolder(), useIndex ? FileSearcher::UseIndex : 0);
    ProgressLine progress(isTerminal(2));
    // The helper's documents are searched like any other converted file,
    // unless the settings switch them off.
    settings->setInstalledFilters(FileSearcher::installedFilters(), searcher.helper64Filters());
    searcher.init(indexing, settings->contentSearchSettings());
    waitForInit(searcher, progress);
    QFile out;
    out.open(stdout, QIODevice::WriteOnly);
    ResultWriter writer(&out, commandLine.outputFormat());
    FileSearchRequest request;
    commandLine.fillRequest(request);
    if (!commandLine.matchesFile().isEmpty())
        return runMatches(searcher, request, commandLine.matchesFile(), writer);
    if (commandLine.interactive())
        return runInteractive(searcher, request, writer);
    return runSearch(searcher, request, writer, progress);
}

} // namespace

int main(int argc, char *argv[])
{
    // A reader that stops early (| head) must not kill tvq before the index is saved.
    std::signal(SIGPIPE, SIG_IGN);
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tvq"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(kVersion));
    CommandLine commandLine;
    if (!commandLine.parse(app.arguments()))
        return usageError(commandLine.errorText());
    if (commandLine.helpRequested()) {
        QTextStream(stdout) << commandLine.helpText();
        return kFound;
    }
    if (commandLine.versionRequested()) {
        QTextStream(stdout) << "tvq " << kVersion << '\n';
        return kFound;
    }
    const int status = run(commandLine);
    Logger::instance()->log(INFO, kComponent, QStringLiteral("Exiting with code: %1").arg(status));
    // The searcher (and with it the index, saved on destruction) is gone by now.
    setVolumeSettings(nullptr);
    Settings::destroyInstance();
    return status;
}
