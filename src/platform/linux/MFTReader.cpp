#include "platform/linux/MFTReader.h"

#include "base/FileSearchException.h"
#include "base/Logger.h"
#include "platform/linux/NTFSUtils.h"
#include "platform/linux/SysCall.h"
#include "platform/linux/VolumeEnumerator.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>

namespace {

class SignalSink : public VolumeWalker::Sink
{
public:
    explicit SignalSink(MFTReader *reader) : m_reader(reader) {}
    void entry(std::uint64_t ino, std::uint64_t parentIno, const char *name, std::size_t size, bool isDir) override
    {
        emit m_reader->fileFound(ino, parentIno, QFile::decodeName(QByteArray(name, int(size))), isDir);
    }

private:
    MFTReader *m_reader;
};

} // namespace

MFTReader::MFTReader(QObject *parent)
    : QObject(parent)
{
}

void MFTReader::read(QChar drive, const CancelFlag *cancel)
{
    SignalSink sink(this);
    read(drive, cancel, sink);
}

void MFTReader::readMountPoint(const QString &mountPoint, const CancelFlag *cancel)
{
    SignalSink sink(this);
    readMountPoint(mountPoint, cancel, sink);
}

void MFTReader::read(QChar drive, const CancelFlag *cancel, Sink &sink)
{
    const VolumeInfo volume = volumeInfo(drive);
    if (!volume.isValid())
        throw FileSearchException(QStringLiteral("MFTReader"), __LINE__,
                                  QStringLiteral("Failed to open volume %1").arg(drive));
    readMountPoint(volume.mountPoint, cancel, sink);
}

void MFTReader::readMountPoint(const QString &mountPoint, const CancelFlag *cancel, Sink &sink)
{
    FileDescriptor root = sysOpenAt(AT_FDCWD, QFile::encodeName(mountPoint).constData(), O_RDONLY | O_DIRECTORY);
    if (!root.isValid())
        throw FileSearchException(QStringLiteral("MFTReader"), __LINE__,
                                  QStringLiteral("Failed to open volume %1").arg(mountPoint));
    VolumeEnumerator enumerator(std::move(root), mountPoint, cancel);
    // The root's name is its mount point.
    const QByteArray rootName = QFile::encodeName(mountPoint);
    sink.entry(enumerator.rootIno(), 0, rootName.constData(), std::size_t(rootName.size()), true);
    enumerator.run(sink);
}

quint64 MFTReader::entryCountHint(QChar drive)
{
    const VolumeInfo volume = volumeInfo(drive);
    struct statvfs st;
    if (!volume.isValid() || sysStatvfs(QFile::encodeName(volume.mountPoint).constData(), &st) != 0)
        return 0;
    // btrfs and others that allocate inodes freely report no total.
    return st.f_files > st.f_ffree ? quint64(st.f_files - st.f_ffree) : 0;
}

FRN MFTReader::fileId(const QString &path, bool *isDir)
{
    struct stat st;
    if (sysStat(QFile::encodeName(path).constData(), &st) != 0) {
        Logger::instance()->log(DEBUG, "MFTReader",
                                QStringLiteral("Failed to open file %1, error = %2").arg(path).arg(errno));
        return 0;
    }
    if (isDir)
        *isDir = S_ISDIR(st.st_mode);
    return st.st_ino;
}
