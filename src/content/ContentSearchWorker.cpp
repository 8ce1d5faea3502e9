#include "content/ContentSearchWorker.h"

#include "base/FileSearchCancelException.h"
#include "base/Logger.h"

ContentSearchWorker::ContentSearchWorker(std::function<void()> task, FailureHandler onFailure)
    : m_task(std::move(task))
    , m_onFailure(std::move(onFailure))
{
    setAutoDelete(true);
}

void ContentSearchWorker::run()
{
    Q_ASSERT_X(m_task, "ContentSearchWorker::run", "no task to run");
    try {
        m_task();
    } catch (const FileSearchCancelException &e) {
        Logger::instance()->log(INFO, "FileSearch", QString::fromUtf8(e.what()));
    } catch (const std::exception &e) {
        Logger::instance()->log(ERROR, "FileSearch", QString::fromUtf8(e.what()));
        if (m_onFailure)
            m_onFailure(std::current_exception());
    } catch (...) {
        Logger::instance()->log(ERROR, "FileSearch", QStringLiteral("unknown exception"));
        if (m_onFailure)
            m_onFailure(std::current_exception());
    }
}
