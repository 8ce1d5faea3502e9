// Enumerates the file system mounted at the given folder (default "/") the
// way the index does, with a receiver that keeps a checksum of every name so
// that the strings are really built, and prints entries and seconds.
#include "platform/linux/MFTReader.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QString mountPoint = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/");
    MFTReader reader;
    quint64 entries = 0;
    quint64 folders = 0;
    quint64 checksum = 0;
    QObject::connect(&reader, &MFTReader::fileFound, [&](FRN frn, FRN parent, const QString &name, bool isFolder) {
        ++entries;
        folders += isFolder;
        checksum += frn ^ parent ^ quint64(name.size());
    });
    QElapsedTimer timer;
    timer.start();
    const CancelFlag cancel{false};
    reader.readMountPoint(mountPoint, &cancel);
    const double seconds = timer.nsecsElapsed() / 1e9;
    QTextStream(stdout) << "entries " << entries << " folders " << folders << " seconds " << seconds
                        << " entries/s " << qint64(entries / seconds) << " checksum " << checksum << '\n';
    return 0;
}
