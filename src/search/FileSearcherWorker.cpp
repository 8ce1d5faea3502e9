#include "search/FileSearcherWorker.h"

#include "base/FileSearchCancelException.h"
#include "base/Logger.h"

namespace {
const char kComponent[] = "FileSearcherWorker";
}

FileSearcherWorker::FileSearcherWorker(std::function<void()> task, QObject *parent)
    : QThread(parent)
    , m_task(std::move(task))
{
}

void FileSearcherWorker::run()
{
    // No per-thread COM set-up: Linux has no COM, and the converters here
    // need no per-thread initialisation.
    try {
        m_task();
    } catch (const FileSearchCancelException &e) {
        Logger::instance()->log(INFO, kComponent, QString::fromStdString(e.what()));
    } catch (const std::exception &e) {
        // Logged and kept for the owner rather than thrown on: an exception
        // leaving QThread::run() would terminate the whole program.
        m_failed = true;
        m_errorText = QString::fromStdString(e.what());
        Logger::instance()->log(ERROR, kComponent, m_errorText);
    } catch (...) {
        m_failed = true;
        m_errorText = QStringLiteral("Unknown exception");
        Logger::instance()->log(ERROR, kComponent, m_errorText);
    }
}

void FileSearcherWorker::stopIn(std::unique_ptr<FileSearcherWorker> &slot, bool silently)
{
    if (!slot)
        return;
    if (silently)
        slot->disconnect();
    slot->wait();
    slot.reset();
}
