#pragma once

#include "cli/CommandLine.h"
#include "search/FileSearcher.h"

#include <QString>

#include <functional>
#include <memory>

class FileSearchRequest;
struct IndexingSettings;
class ProgressLine;
class QEventLoop;
class QSettings;
class ResultWriter;
class ServiceIndexSearcher;
class Settings;
class TerminationSignals;
struct VolumeInfo;

// One run of tvq after its command line was parsed: opens the log and the
// settings (not read at all for a name query the index service answers
// whole), checks the paths, runs the search (or the match search, or the
// interactive session) and saves the index. Ctrl+C, SIGTERM or SIGHUP cancel
// the running work (which removes what converters made) and the index is
// still saved before tvq ends. Exit statuses as grep's.
class TvqProgram
{
public:
    static const int kFound = 0;
    static const int kNothingFound = 1;
    static const int kUsageError = 2;
    // Trouble that is not the user's query (output, saving).
    static const int kTrouble = 2;

    // `stdoutClosed`: standard output was closed when tvq started, so the
    // first write of a result fails instead of going to a stray file.
    TvqProgram(const CommandLine &commandLine, bool stdoutClosed);

    int run();
    // Logs the exit status, lets go of the volumes and saves the settings
    // when they were opened, reporting a file that could not be written.
    static void finish(int status);

    static int usageError(const QString &message);
    static void complain(const QString &message);
    // Why `path` cannot be searched as a folder (--in) or read as a file
    // (--matches); empty when it can. Checked before anything starts, so a
    // typo is an error and not "nothing found".
    static QString pathError(const QString &path, bool wantFolder);
    static QString pathsError(const CommandLine &commandLine);
    // --index: exactly the volumes mounted at these points, for this run only.
    static bool restrictIndex(IndexingSettings &indexing, const QStringList &mountPoints, QString *error);
    // Without the service and without root there is no index, as in the window program.
    static int checkIndexUse(const CommandLine &commandLine, bool haveIndex);

private:
    static int outputError(int error);
    static void warnIfUnsaved(const QSettings &settings);
    static QString settingsFilePath(const QString &settingsFile);
    static void openLog(const CommandLine &commandLine);
    static Settings *openSettings(const QString &settingsFile);
    static bool serviceAnswersWhole(const CommandLine &commandLine, bool viaService);
    static QString classification(const VolumeInfo &volume);
    static int listVolumes();

    bool terminated() const;
    void quitOnTermination(QEventLoop &loop, const std::function<void()> &cancel = {});
    void waitForInit(FileSearcher &searcher, ProgressLine &progress);
    int runSearch(FileSearcher &searcher, FileSearchRequest &request, ResultWriter &writer, ProgressLine &progress,
                  FileSearcher::FindMode mode);
    int runMatches(FileSearcher &searcher, const FileSearchRequest &request, const QString &file,
                   ResultWriter &writer);
    int runInteractive(FileSearcher &searcher, const FileSearchRequest &prototype, ResultWriter &writer);
    static std::unique_ptr<ServiceIndexSearcher> connectService(const CommandLine &commandLine);
    int searchAndSave(const CommandLine &commandLine, Settings *settings, const IndexingSettings &indexing,
                      bool useIndex, std::unique_ptr<ServiceIndexSearcher> service);

    const CommandLine &m_commandLine;
    const bool m_stdoutClosed;
    TerminationSignals *m_termination = nullptr;
};
