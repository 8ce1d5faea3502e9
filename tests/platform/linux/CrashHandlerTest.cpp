#include "platform/linux/CrashHandler.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

// A page that may not be touched: a real fault, not undefined behaviour that a sanitizer would report first.
static void crash()
{
    void *page = ::mmap(nullptr, 4096, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    *static_cast<volatile int *>(page) = 1;
}

class CrashHandlerTest : public QObject
{
    Q_OBJECT

private slots:
    // A child made to crash writes the report and still dies of the signal.
    void reportIsWritten()
    {
        QTemporaryDir dir;
        const QByteArray path = QFile::encodeName(dir.filePath("TalvenquistCrash.dmp"));
        QVERIFY(QFile(dir.filePath("TalvenquistCrash.dmp")).open(QIODevice::WriteOnly | QIODevice::Text));
        const pid_t child = ::fork();
        if (child == 0) {
            installCrashHandler(path.constData());
            crash();
            _exit(0);
        }
        int status = 0;
        QCOMPARE(::waitpid(child, &status, 0), child);
        QVERIFY2(WIFSIGNALED(status), qPrintable(QString::number(status, 16)));
        QCOMPARE(WTERMSIG(status), SIGSEGV);
        QFile report(dir.filePath("TalvenquistCrash.dmp"));
        QVERIFY(report.open(QIODevice::ReadOnly));
        const QByteArray text = report.readAll();
        QVERIFY(text.startsWith("Signal: " + QByteArray::number(SIGSEGV) + "\n"));
        // The backtrace names frames of this test program; the map says where it was loaded.
        const QByteArray program = QFile::encodeName(QCoreApplication::applicationFilePath());
        const int maps = text.indexOf("\nMaps:\n");
        QVERIFY(maps > 0);
        QVERIFY(text.left(maps).contains("CrashHandlerTest"));
        QVERIFY(text.mid(maps).contains(program));
    }
};

QTEST_GUILESS_MAIN(CrashHandlerTest)
#include "CrashHandlerTest.moc"
