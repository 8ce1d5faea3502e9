// libFuzzer target: a drive database file (header, record count, records)
// loaded by NTFSDriveDB::load, as it would be found in the data folder. The
// journal identifier 77 is expected; any saved position up to now is
// accepted, so that mutated files reach the records.
#include "QuietJournalReader.h"

#include "base/IndexingSettings.h"
#include "base/Logger.h"
#include "index/NTFSDriveDB.h"
#include "platform/linux/JournalState.h"
#include "strings/StringPool.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <limits>

namespace {

QTemporaryDir *g_dir = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication app(*argc, *argv);
    Logger::instance(QString()); // no file: entries are dropped
    static QTemporaryDir dir;
    g_dir = &dir;
    QDir().mkpath(dir.filePath(QStringLiteral("DB")));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QFile file(g_dir->filePath(QStringLiteral("DB/Q")));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 0;
    file.write(reinterpret_cast<const char *>(data), qint64(size));
    file.close();
    IndexingSettings settings;
    settings.dbPath = g_dir->path();
    JournalState journal;
    journal.journalId = 77;
    journal.firstUsn = std::numeric_limits<USN>::min();
    journal.nextUsn = currentUsn();
    NTFSDriveDB db(QChar('Q'), std::make_shared<StringPool>(), settings, std::make_unique<QuietJournalReader>(),
                   journal);
    // A load either takes the whole file or leaves nothing.
    if (!db.load(nullptr) && db.fileCount() != 0)
        __builtin_trap();
    return 0;
}
