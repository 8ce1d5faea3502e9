#include "search/MatchesSearch.h"

#include "content/ContentSearcher.h"
#include "search/FileSearcherWorker.h"

MatchesSearch::MatchesSearch(const ContentSearcher *contentSearcher, FileSearchRequest &request,
                             const QString &filePath, ContentMatches *matches)
    : m_contentSearcher(contentSearcher)
    , m_request(request)
    , m_filePath(filePath)
    , m_matches(matches)
{
}

MatchesSearch::~MatchesSearch()
{
    if (m_thread)
        m_thread->wait();
}

void MatchesSearch::start()
{
    FileSearcherWorker::startIn(m_thread, QStringLiteral("FIND_MATCHES"), [this] { run(); }, this,
                                &MatchesSearch::onThreadFinished);
}

void MatchesSearch::cancel()
{
    m_request.canceled = true;
}

void MatchesSearch::run()
{
    m_contentSearcher->findAll(m_request, m_filePath, m_matches);
}

void MatchesSearch::onThreadFinished()
{
    emit finished(m_request.id);
}
