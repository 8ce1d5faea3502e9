#include "cli/InteractiveSession.h"

#include "cli/CommandLine.h"
#include "cli/ResultWriter.h"
#include "query/FileSearchResults.h"
#include "search/FileSearcher.h"

InteractiveSession::InteractiveSession(FileSearcher *searcher, const FileSearchRequest &prototype,
                                       ResultWriter *writer, QObject *parent)
    : QObject(parent)
    , m_searcher(searcher)
    , m_prototype(prototype)
    , m_writer(writer)
{
    connect(m_searcher, &FileSearcher::findFinished, this, &InteractiveSession::onFindFinished);
}

InteractiveSession::~InteractiveSession()
{
    if (m_request)
        m_searcher->cancel(*m_request);
}

void InteractiveSession::onLine(const QString &line)
{
    if (m_finished)
        return;
    // A line from a file written on Windows keeps no carriage return.
    m_pending.append(line.endsWith(QLatin1Char('\r')) ? line.chopped(1) : line);
    if (!m_request)
        startNext();
}

void InteractiveSession::onEndOfInput()
{
    m_inputEnded = true;
    if (!m_request && m_pending.isEmpty())
        finish();
}

void InteractiveSession::startNext()
{
    while (!m_pending.isEmpty() && !m_writer->failed()) {
        const QString name = m_pending.takeFirst();
        const QString error = CommandLine::expressionError(name, m_prototype.nameExpressionType);
        if (error.isEmpty()) {
            start(name);
            return;
        }
        emit queryRefused(error);
        m_writer->writeEndOfAnswer();
        ++m_answered;
    }
    if (m_inputEnded || m_writer->failed()) {
        m_pending.clear();
        finish();
    }
}

void InteractiveSession::finish()
{
    if (m_finished)
        return;
    m_finished = true;
    emit finished();
}

void InteractiveSession::start(const QString &name)
{
    m_request = std::make_shared<FileSearchRequest>(m_prototype.copyWithNewId());
    m_request->name = name;
    m_results = std::make_shared<FileSearchResults>();
    m_searcher->find(m_request, m_results);
}

void InteractiveSession::onFindFinished(FileSearchRequest::Id requestId)
{
    if (!m_request || requestId != m_request->id)
        return;
    m_writer->writeResults(*m_results);
    m_writer->writeEndOfAnswer();
    ++m_answered;
    m_request.reset();
    m_results.reset();
    startNext();
}
