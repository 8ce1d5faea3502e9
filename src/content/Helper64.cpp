#include "content/Helper64.h"

#include "base/Logger.h"
#include "content/Helper64Thread.h"
#include "helper/DocumentExtractor.h"
#include "helper/HelperProtocol.h"
#include "platform/linux/ChildProcess.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QTimer>
#include <QUuid>

namespace {

const char kComponent[] = "Helper64";
// How long a thread that was told to quit may take before it is abandoned.
const int kThreadStopMs = 100;

} // namespace

Helper64::Helper64(const QString &tempFolder, const QString &program, StartMode mode)
    : m_tempFolder(tempFolder)
    , m_program(program)
    , m_startMode(mode)
{
    if (mode == StartNow)
        start();
}

Helper64::~Helper64()
{
    if (m_state == Connected && m_process) {
        // No reply is awaited; the helper ends by itself.
        send(QString::fromLatin1(HelperProtocol::kExit), nullptr);
        m_process->waitForFinished(kExitWaitMs);
    }
    stopThread();
    m_process.reset(); // ends a helper that ignored "EXIT", by its pid
}

QString Helper64::defaultProgram()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/talvenquist-helper");
}

qint64 Helper64::processId() const
{
    QMutexLocker lock(&m_mutex);
    return m_process && m_process->isRunning() ? qint64(m_process->pid()) : -1;
}

void Helper64::stopThread()
{
    if (!m_thread)
        return;
    // A read still waiting for a helper that hangs would keep the thread.
    m_thread->cancelIo();
    m_thread->quit();
    if (!m_thread->wait(kThreadStopMs)) {
        Logger::instance()->log(WARNING, kComponent, "HELPER64 thread is still running.");
        // Deleting a running thread would abort the program: the object is
        // abandoned (leaked) and the thread left to end by itself.
        m_thread.release();
        return;
    }
    m_thread.reset();
}

void Helper64::start()
{
    QMutexLocker lock(&m_mutex);
    startLocked();
}

void Helper64::startLocked()
{
    if (m_state == Connected || !QFileInfo(m_program).isExecutable())
        return;
    const QString channel = QUuid::createUuid().toString();
    stopThread();
    m_thread = std::make_unique<Helper64Thread>();
    m_thread->setObjectName(QStringLiteral("HELPER64"));
    m_thread->start();

    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(m_thread.get(), &Helper64Thread::connectFinished, &loop, &QEventLoop::quit);
    emit m_thread->doConnect(channel);
    m_process = std::make_unique<ChildProcess>();
    const std::vector<std::string> arguments{channel.toStdString(),
                                             QFile::encodeName(Logger::instance()->fileName()).toStdString(),
                                             QFile::encodeName(m_tempFolder).toStdString()};
    if (!m_process->start(QFile::encodeName(m_program).toStdString(), arguments)) {
        Logger::instance()->log(WARNING, kComponent, "Failed to start talvenquist-helper");
        Logger::instance()->log(WARNING, kComponent, "Failed to connect to the pipe.");
        markStartFailed();
        return;
    }
    // A helper that ends before it connects (a broken installation) ends
    // the wait at once instead of after the time limit.
    std::unique_ptr<QSocketNotifier> ended;
    if (m_process->endNotifier() >= 0) {
        ended = std::make_unique<QSocketNotifier>(m_process->endNotifier(), QSocketNotifier::Read);
        QObject::connect(ended.get(), &QSocketNotifier::activated, &loop, &QEventLoop::quit);
    }
    timer.start(kTimeoutMs);
    loop.exec();
    if (m_thread->isConnected()) {
        m_state = Connected;
        return;
    }
    Logger::instance()->log(WARNING, kComponent, "Failed to connect to the pipe.");
    markStartFailed();
}

// A helper started on first use that failed to come up is taken as broken:
// requests are refused at once, not each after the start's time limit, until
// the next search's restart() tries again.
void Helper64::markStartFailed()
{
    if (m_startMode == StartOnFirstUse)
        m_state = Broken;
}

void Helper64::restart()
{
    QMutexLocker lock(&m_mutex);
    if (m_state != Broken)
        return;
    Logger::instance()->log(INFO, kComponent, "Restart talvenquist-helper");
    if (m_process) {
        m_process->kill();
        if (m_process->isRunning())
            Logger::instance()->log(WARNING, kComponent, "Kill talvenquist-helper failed");
    }
    m_state = NotStarted;
    startLocked();
}

QList<IFilterInfo> Helper64::installedFilters()
{
    {
        // Starting the helper only to list what it reads with would cost
        // every content search a process start, though most meet no
        // document it serves; the list comes from the same reader.
        QMutexLocker lock(&m_mutex);
        if (m_startMode == StartOnFirstUse && m_state == NotStarted)
            return QFileInfo(m_program).isExecutable() ? DocumentExtractor::filters() : QList<IFilterInfo>();
    }
    const QString reply =
        request(QString::fromLatin1(HelperProtocol::kGetFilters), QString(), "Failed to send GET_IFILTERS");
    return HelperProtocol::parseFilterList(reply);
}

QString Helper64::convert(const QString &path)
{
    return request(QString::fromLatin1(HelperProtocol::kConvert) + path, path, "Failed to send CONVERT");
}

QString Helper64::request(const QString &message, const QString &path, const char *sendFailure)
{
    QMutexLocker lock(&m_mutex);
    if (m_state == NotStarted && m_startMode == StartOnFirstUse)
        startLocked();
    if (m_state != Connected)
        return QString();
    m_currentPath = path;
    QString reply;
    exchange(message, sendFailure, &reply);
    return reply;
}

// The requesting thread writes the message and waits for the reply itself,
// each within the time limit. Any failure leaves the helper broken, to be
// restarted by the next search.
bool Helper64::exchange(const QString &message, const char *sendFailure, QString *reply)
{
    if (!send(message, sendFailure))
        return false;
    switch (m_thread->read(reply, kTimeoutMs)) {
    case Helper64Thread::Outcome::Done:
        return true;
    case Helper64Thread::Outcome::TimedOut:
        logHang("Reading from pipe hanged, file name = %1");
        break;
    case Helper64Thread::Outcome::Failed:
        m_state = Broken;
        break;
    }
    return false;
}

bool Helper64::send(const QString &message, const char *failure)
{
    switch (m_thread->write(message, kTimeoutMs)) {
    case Helper64Thread::Outcome::Done:
        return true;
    case Helper64Thread::Outcome::TimedOut:
        logHang("Writing to pipe hanged, file name = %1");
        break;
    case Helper64Thread::Outcome::Failed:
        if (failure)
            Logger::instance()->log(WARNING, kComponent, failure);
        m_state = Broken;
        break;
    }
    return false;
}

void Helper64::logHang(const char *text)
{
    m_state = Broken;
    Logger::instance()->log(WARNING, kComponent, QString::fromLatin1(text).arg(m_currentPath));
}
