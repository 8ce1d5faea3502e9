#include "cli/TvqProgram.h"

#include "base/DataPaths.h"
#include "base/Logger.h"
#include "base/MetaTypes.h"
#include "base/Settings.h"
#include "cli/CommandLine.h"
#include "cli/InteractiveSession.h"
#include "cli/LineReader.h"
#include "cli/ProgressLine.h"
#include "cli/ResultWriter.h"
#include "content/ContentMatches.h"
#include "content/ContentSearcher.h"
#include "indexproto/IndexProtocol.h"
#include "platform/linux/NTFSUtils.h"
#include "platform/linux/SystemInfo.h"
#include "platform/linux/TerminationSignals.h"
#include "query/FileSearchResults.h"
#include "search/FileSearcher.h"
#include "search/ServiceIndexSearcher.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTextStream>

#include <cerrno>
#include <csignal>
#include <functional>
#include <cstring>

namespace {
const char kComponent[] = "tvq";
const int kFound = TvqProgram::kFound;
const int kNothingFound = TvqProgram::kNothingFound;
const int kUsageError = TvqProgram::kUsageError;
const int kTrouble = TvqProgram::kTrouble;
} // namespace

int TvqProgram::usageError(const QString &message)
{
    QTextStream(stderr) << "tvq: " << message << "\nTry 'tvq --help' for more information.\n";
    return kUsageError;
}

void TvqProgram::complain(const QString &message)
{
    QTextStream(stderr) << "tvq: " << message << '\n';
}

// Why `path` cannot be searched as a folder (--in) or read as a file
// (--matches); empty when it can. Checked before anything starts, so a typo
// is an error and not "nothing found".
QString TvqProgram::pathError(const QString &path, bool wantFolder)
{
    const QFileInfo info(path);
    if (!info.exists())
        return QStringLiteral("%1: No such file or directory").arg(path);
    if (wantFolder && !info.isDir())
        return QStringLiteral("%1: Not a directory").arg(path);
    if (!wantFolder && info.isDir())
        return QStringLiteral("%1: Is a directory").arg(path);
    if (!wantFolder && !info.isFile())
        return QStringLiteral("%1: Not a regular file").arg(path);
    if (!info.isReadable() || (wantFolder && !info.isExecutable()))
        return QStringLiteral("%1: Permission denied").arg(path);
    return QString();
}

QString TvqProgram::pathsError(const CommandLine &commandLine)
{
    FileSearchRequest request;
    commandLine.fillRequest(request);
    for (const QString &folder : qAsConst(request.includePaths)) {
        const QString error = pathError(folder, /*wantFolder=*/true);
        if (!error.isEmpty())
            return QStringLiteral("--in: ") + error;
    }
    if (!commandLine.matchesFile().isEmpty()) {
        const QString error = pathError(commandLine.matchesFile(), /*wantFolder=*/false);
        if (!error.isEmpty())
            return QStringLiteral("--matches: ") + error;
    }
    return QString();
}

// A reader that went away (| head) is no error worth a word; any other
// failure to write the results is.
int TvqProgram::outputError(int error)
{
    if (error != EPIPE)
        complain(QStringLiteral("standard output: %1").arg(QString::fromLocal8Bit(std::strerror(error))));
    return kTrouble;
}

void TvqProgram::warnIfUnsaved(const QSettings &settings)
{
    if (settings.status() != QSettings::NoError)
        complain(QStringLiteral("the settings could not be saved to %1").arg(settings.fileName()));
}

// With --settings the file's folder is the data folder: the log and, unless
// the file names another place, the index databases live beside it.
QString TvqProgram::settingsFilePath(const QString &settingsFile)
{
    return settingsFile.isEmpty() ? DataPaths::settingsFilePath() : settingsFile;
}

// The window program rewrites its own log at each start; tvq keeps its own.
// A run that is not a session ends within moments: its entries are written
// as it ends.
void TvqProgram::openLog(const CommandLine &commandLine)
{
    const QString folder = QFileInfo(settingsFilePath(commandLine.settingsFile())).absolutePath();
    QDir().mkpath(folder);
    Logger *logger = Logger::instance(folder + QStringLiteral("/tvq.log"));
    if (!commandLine.interactive())
        logger->writeOnlyWhenFullOrAtExit();
}

Settings *TvqProgram::openSettings(const QString &settingsFile)
{
    const QString file = settingsFilePath(settingsFile);
    const QString folder = QFileInfo(file).absolutePath();
    if (!settingsFile.isEmpty()) {
        QSettings raw(file, QSettings::IniFormat);
        if (!raw.contains(QStringLiteral("DBPath"))) {
            raw.setValue(QStringLiteral("DBPath"), folder);
        }
    }
    return Settings::instance(file);
}

// A name query with no folders to walk and no file to read: the service
// answers it whole, at once. It uses no setting (the settings file is not
// even read then) and runs on the main thread.
bool TvqProgram::serviceAnswersWhole(const CommandLine &commandLine, bool viaService)
{
    if (!viaService || commandLine.interactive() || commandLine.hasFolders())
        return false;
    FileSearchRequest request;
    commandLine.fillRequest(request);
    return request.isNameOnly();
}

QString TvqProgram::classification(const VolumeInfo &volume)
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

int TvqProgram::listVolumes()
{
    QTextStream out(stdout);
    for (const VolumeInfo &volume : mountedVolumes()) {
        out << (volume.key.isNull() ? QStringLiteral("-") : QString(volume.key)) << '\t' << volume.mountPoint
            << '\t' << volume.fsType << '\t' << classification(volume) << '\n';
    }
    return kFound;
}

// --index: exactly the volumes mounted at these points, for this run only.
bool TvqProgram::restrictIndex(IndexingSettings &indexing, const QStringList &mountPoints, QString *error)
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


bool TvqProgram::terminated() const
{
    return m_termination && m_termination->received() != 0;
}

// Ends `loop` on a termination signal, after `cancel` has asked the running
// work to stop.
void TvqProgram::quitOnTermination(QEventLoop &loop, const std::function<void()> &cancel)
{
    if (!m_termination)
        return;
    QObject::connect(m_termination, &TerminationSignals::arrived, &loop, [&loop, cancel](int) {
        if (cancel)
            cancel();
        loop.quit();
    });
}

void TvqProgram::waitForInit(FileSearcher &searcher, ProgressLine &progress)
{
    if (searcher.isReady())
        return;
    QEventLoop loop;
    QObject::connect(&searcher, &FileSearcher::initFinished, &loop, &QEventLoop::quit);
    quitOnTermination(loop);
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


int TvqProgram::runSearch(FileSearcher &searcher, FileSearchRequest &request, ResultWriter &writer,
                          ProgressLine &progress, FileSearcher::FindMode mode)
{
    // The searcher shares both until the search has ended, even when canceled.
    auto results = std::make_shared<FileSearchResults>();
    auto shared = std::make_shared<FileSearchRequest>(request);
    QEventLoop loop;
    QObject::connect(&searcher, &FileSearcher::findFinished, &loop, [&](FileSearchRequest::Id id) {
        if (id == request.id)
            loop.quit();
    });
    quitOnTermination(loop, [&] { searcher.cancel(request); });
    // A search on this thread hears of Ctrl+C through its own flag.
    if (mode == FileSearcher::CallingThread)
        TerminationSignals::cancelOnArrival(&shared->canceled);
    searcher.find(shared, results, mode);
    TerminationSignals::cancelOnArrival(nullptr);
    progress.start([&](int seconds) {
        int examined = 0;
        int total = 0;
        searcher.progress(request, examined, total);
        return QStringLiteral("tvq: searching: %1 of %2 candidates checked in %3 s").arg(examined).arg(total).arg(seconds);
    });
    loop.exec();
    progress.stop();
    if (terminated())
        return kFound;
    writer.writeResults(*results);
    return results->count() > 0 ? kFound : kNothingFound;
}

int TvqProgram::runMatches(FileSearcher &searcher, const FileSearchRequest &request, const QString &file, ResultWriter &writer)
{
    FileSearchRequest copy = request.copyWithNewId();
    ContentMatches matches;
    QEventLoop loop;
    QObject::connect(&searcher, &FileSearcher::findMatchesFinished, &loop, [&](FileSearchRequest::Id id) {
        if (id == copy.id)
            loop.quit();
    });
    quitOnTermination(loop, [&] { searcher.cancelMatches(copy); });
    searcher.findMatches(copy, QDir::current().absoluteFilePath(file), &matches);
    loop.exec();
    // The window keeps a converted text for its preview; tvq is done with it.
    if (matches.converted)
        QFile::remove(matches.filePath);
    if (terminated())
        return kFound;
    writer.writeMatches(matches);
    return matches.lines.isEmpty() ? kNothingFound : kFound;
}

// A reader still waiting for input when its session ended: kept where it can
// be found (volatile, so that the store is not dropped) to the end of the process.
static LineReader *volatile g_abandonedReader = nullptr;

int TvqProgram::runInteractive(FileSearcher &searcher, const FileSearchRequest &prototype, ResultWriter &writer)
{
    InteractiveSession session(&searcher, prototype, &writer);
    // A reader waiting on a terminal cannot be broken off: when the session
    // ends before the input does, the reader is left to the end of the process.
    auto *reader = new LineReader;
    bool inputEnded = false;
    QEventLoop loop;
    QObject::connect(reader, &LineReader::endOfInput, &loop, [&inputEnded] { inputEnded = true; });
    QObject::connect(reader, &LineReader::lineRead, &session, &InteractiveSession::onLine);
    QObject::connect(reader, &LineReader::endOfInput, &session, &InteractiveSession::onEndOfInput);
    QObject::connect(&session, &InteractiveSession::finished, &loop, &QEventLoop::quit);
    QObject::connect(&session, &InteractiveSession::queryRefused, [](const QString &reason) { complain(reason); });
    quitOnTermination(loop);
    reader->start();
    loop.exec();
    reader->stop();
    if (inputEnded || reader->isFinished()) {
        reader->wait();
        delete reader;
    } else {
        reader->disconnect();
        g_abandonedReader = reader;
    }
    return kFound;
}

// Without the service and without root there is no index, as in the window program.
int TvqProgram::checkIndexUse(const CommandLine &commandLine, bool haveIndex)
{
    if (!commandLine.indexMountPoints().isEmpty() && !isProcessAdmin())
        return usageError(QStringLiteral("--index needs root: only root can read and monitor whole volumes"));
    if (haveIndex || commandLine.hasFolders() || !commandLine.matchesFile().isEmpty())
        return kFound;
    if (commandLine.noIndex())
        return usageError(QStringLiteral("--no-index searches only folders: name them with --in"));
    return usageError(QStringLiteral("no index service answers and without root there is no index, so tvq can "
                                     "only walk folders: name them with --in FOLDERS, or run tvq as root"));
}

// The index service, when one answers and the search needs an index: a name
// search then loads and saves nothing here. --index (root's index of chosen
// volumes for this run) and --no-service keep the index in this process. A
// service that answers wrongly is said so; one that is simply not there is
// said only when it costs the user the index.
std::unique_ptr<ServiceIndexSearcher> TvqProgram::connectService(const CommandLine &commandLine)
{
    if (commandLine.noService() || commandLine.noIndex() || !commandLine.matchesFile().isEmpty()
        || !commandLine.indexMountPoints().isEmpty() || commandLine.listVolumes())
        return nullptr;
    IndexServiceClient::Failure failure = IndexServiceClient::None;
    QString why;
    std::unique_ptr<ServiceIndexSearcher> service =
        ServiceIndexSearcher::connect(IndexProtocol::socketPath(), &failure, &why);
    if (service)
        return service;
    if (failure != IndexServiceClient::NotListening)
        complain(why);
    else if (!isProcessAdmin() && commandLine.hasFolders())
        complain(QStringLiteral("%1: searching by walking the folders").arg(why));
    return nullptr;
}

// Searches, then lets the searcher go, which saves the index: a failed save
// still counts in the status returned.
int TvqProgram::searchAndSave(const CommandLine &commandLine, Settings *settings, const IndexingSettings &indexing,
                  bool useIndex, std::unique_ptr<ServiceIndexSearcher> service)
{
    int saveStatus = kFound;
    ServiceIndexSearcher *serviceSearcher = service.get();
    // Where converted documents go: a folder of this user alone. Without
    // one, documents cannot be read, and a search of contents says so.
    const QString tempFolder = ContentSearcher::temporaryFolder();
    FileSearchRequest wanted;
    commandLine.fillRequest(wanted);
    if (tempFolder.isEmpty() && (!wanted.text.isEmpty() || !commandLine.matchesFile().isEmpty()))
        complain(QStringLiteral("no private temporary folder could be made under %1: documents (PDF, office, "
                                "EPUB, MOBI) are not searched")
                     .arg(QStandardPaths::writableLocation(QStandardPaths::TempLocation)));
    FileSearcher searcher(tempFolder, useIndex ? FileSearcher::UseIndex : 0, std::move(service));
    QObject::connect(&searcher, &FileSearcher::indexSaveFailed, [&saveStatus](QChar, const QString &reason) {
        complain(QStringLiteral("the index could not be saved: %1").arg(reason));
        saveStatus = kTrouble;
    });
    ProgressLine progress(isTerminal(2));
    FileSearchRequest request;
    commandLine.fillRequest(request);
    // The helper's documents are searched like any other converted file,
    // unless the settings switch them off. A name search asks no helper.
    if (!request.text.isEmpty() || commandLine.interactive())
        settings->setInstalledFilters(FileSearcher::installedFilters(), searcher.helper64Filters());
    searcher.init(indexing, settings ? settings->contentSearchSettings() : ContentSearchSettings());
    waitForInit(searcher, progress);
    QFile out;
    // Left unopened when standard output was closed: the first write fails.
    if (!m_stdoutClosed)
        out.open(stdout, QIODevice::WriteOnly);
    ResultWriter writer(&out, commandLine.outputFormat());
    int status;
    if (!commandLine.matchesFile().isEmpty())
        status = runMatches(searcher, request, commandLine.matchesFile(), writer);
    else if (commandLine.interactive())
        status = runInteractive(searcher, request, writer);
    else
        status = runSearch(searcher, request, writer, progress,
                           serviceAnswersWhole(commandLine, serviceSearcher != nullptr) ? FileSearcher::CallingThread
                                                                                       : FileSearcher::OnThread);
    if (writer.failed())
        status = outputError(writer.error());
    if (serviceSearcher && !serviceSearcher->lastError().isEmpty()) {
        complain(QStringLiteral("the index service did not answer in full: %1").arg(serviceSearcher->lastError()));
        status = kTrouble;
    }
    searcher.saveIndex();
    return saveStatus == kFound ? status : saveStatus;
}

int TvqProgram::run()
{
    openLog(m_commandLine);
    registerMetaTypes();
    std::unique_ptr<ServiceIndexSearcher> service = connectService(m_commandLine);
    Settings *settings = nullptr;
    if (!serviceAnswersWhole(m_commandLine, bool(service))) {
        settings = openSettings(m_commandLine.settingsFile());
        setVolumeSettings(settings);
    }
    if (m_commandLine.listVolumes())
        return listVolumes();
    const bool useIndex =
        !service && isProcessAdmin() && !m_commandLine.noIndex() && m_commandLine.matchesFile().isEmpty();
    const int status = checkIndexUse(m_commandLine, useIndex || service);
    if (status != kFound)
        return status;
    IndexingSettings indexing = settings ? settings->indexingSettings() : IndexingSettings();
    QString error;
    if (!m_commandLine.indexMountPoints().isEmpty() && !restrictIndex(indexing, m_commandLine.indexMountPoints(), &error))
        return usageError(error);
    error = pathsError(m_commandLine);
    if (!error.isEmpty()) {
        complain(error);
        return kUsageError;
    }
    TerminationSignals termination;
    m_termination = &termination;
    const int searched = searchAndSave(m_commandLine, settings, indexing, useIndex, std::move(service));
    m_termination = nullptr;
    // As a shell reports a program ended by the signal.
    return termination.received() ? 128 + termination.received() : searched;
}

TvqProgram::TvqProgram(const CommandLine &commandLine, bool stdoutClosed)
    : m_commandLine(commandLine), m_stdoutClosed(stdoutClosed)
{
}

void TvqProgram::finish(int status)
{
    Logger::instance()->log(INFO, kComponent, QStringLiteral("Exiting with code: %1").arg(status));
    // The searcher (and with it the index, saved on destruction) is gone by now.
    if (!Settings::hasInstance())
        return;
    setVolumeSettings(nullptr);
    Settings::instance()->sync();
    warnIfUnsaved(*Settings::instance());
    Settings::destroyInstance();
}
