#pragma once

#include "query/FileSearchRequest.h"

#include <QObject>
#include <QStringList>

#include <memory>

class FileSearchResults;
class FileSearcher;
class ResultWriter;

// Answers one NAME per input line with the results of the prototype request
// for that name, each answer followed by its end mark, one query at a time
// in input order. The searcher keeps its index live between queries, so
// every answer sees the volumes as they are when its query starts.
class InteractiveSession : public QObject
{
    Q_OBJECT
public:
    // `searcher`, `prototype` and `writer` must outlive the session.
    InteractiveSession(FileSearcher *searcher, const FileSearchRequest &prototype, ResultWriter *writer,
                       QObject *parent = nullptr);
    ~InteractiveSession() override;

    int answered() const { return m_answered; }

public slots:
    void onLine(const QString &line);
    // finished() follows once every query read so far is answered.
    void onEndOfInput();

signals:
    // Also when the writer failed: nobody reads the answers any more.
    void finished();
    // A line that is no valid expression of the prototype's type; it gets an
    // empty answer.
    void queryRefused(const QString &reason);

private slots:
    void onFindFinished(FileSearchRequest::Id requestId);

private:
    void startNext();
    void start(const QString &name);
    void finish();

    FileSearcher *m_searcher;
    const FileSearchRequest &m_prototype;
    ResultWriter *m_writer;
    QStringList m_pending;
    std::shared_ptr<FileSearchRequest> m_request;
    std::shared_ptr<FileSearchResults> m_results;
    bool m_inputEnded = false;
    bool m_finished = false;
    int m_answered = 0;
};
