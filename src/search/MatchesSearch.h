#pragma once

#include "query/FileSearchRequest.h"

#include <QObject>
#include <QString>

#include <memory>

class ContentSearcher;
class FileSearcherWorker;
struct ContentMatches;

// Looks up the matching lines of one file for the preview on a
// "FIND_MATCHES" thread, so that a slow document never blocks the window.
// The request is a copy of the tab's request with an id of its own; it and
// `matches` belong to the caller and must outlive this object.
class MatchesSearch : public QObject
{
    Q_OBJECT
public:
    MatchesSearch(const ContentSearcher *contentSearcher, FileSearchRequest &request, const QString &filePath,
                  ContentMatches *matches);
    ~MatchesSearch() override;

    void start();
    // Sets the cancel flag and returns at once. finished() is still
    // emitted: the owner removes the search when it arrives.
    void cancel();

signals:
    void finished(FileSearchRequest::Id requestId);

private slots:
    void onThreadFinished();

private:
    void run();

    std::unique_ptr<FileSearcherWorker> m_thread;
    const ContentSearcher *m_contentSearcher;
    FileSearchRequest &m_request;
    QString m_filePath;
    ContentMatches *m_matches;
};
