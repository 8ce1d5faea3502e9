#include "TestVolume.h"

#include "platform/linux/FileHandleDecoder.h"
#include "platform/linux/NTFSUtils.h"

#include <QFile>
#include <QtTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#ifndef AT_HANDLE_FID
#define AT_HANDLE_FID 0x200   // Linux 6.5: the handle fanotify reports
#endif

class FileHandleDecoderTest : public QObject
{
    Q_OBJECT
private slots:
    void layouts_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("known");
        QTest::addColumn<quint64>("inode");
        // Kernel handles of small test volumes never hold an inode number above 32 bits.
        const QByteArray ino64("\x08\x07\x06\x05\x04\x03\x02\x01\x09\x00\x00\x00", 12);
        QTest::newRow("64-bit") << 0x81 << ino64 << true << quint64(0x0102030405060708);
        QTest::newRow("too short") << 0x81 << ino64.left(6) << false << quint64(0);
        QTest::newRow("unknown type") << 0x99 << ino64 << false << quint64(0);
    }

    void layouts()
    {
        QFETCH(int, type);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, known);
        QFETCH(quint64, inode);
        quint64 decoded = 0;
        QCOMPARE(FileHandleDecoder::inode(type, reinterpret_cast<const unsigned char *>(bytes.constData()),
                                          bytes.size(), &decoded),
                 known);
        if (known)
            QCOMPARE(decoded, inode);
    }

    void kernelHandles_data()
    {
        QTest::addColumn<QString>("kind");
        // ext4's handles are decoded in the change reader's own tests.
        for (const char *kind : {"xfs", "btrfs-subvolume"})
            QTest::newRow(kind) << QString::fromLatin1(kind);
    }

    void kernelHandles()
    {
        QFETCH(QString, kind);
        TestVolume volume(kind);
        if (!volume.isReady())
            QSKIP(qPrintable(volume.skipReason()));
        QVERIFY(QDir(volume.root()).mkpath(QStringLiteral("folder/nested")));
        QFile file(volume.path(QStringLiteral("folder/file.txt")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        QVERIFY(QFile::link(QStringLiteral("file.txt"), volume.path(QStringLiteral("folder/link"))));
        const quint64 subvolume = volumeInfo(volume.key()).subvolumeId;
        // Export handles first, then the ones fanotify reports.
        for (const int flags : {0, AT_HANDLE_FID}) {
            for (const char *relative : {".", "folder", "folder/nested", "folder/file.txt", "folder/link"}) {
                const QByteArray path = QFile::encodeName(volume.path(QString::fromLatin1(relative)));
                struct stat st;
                QCOMPARE(::lstat(path.constData(), &st), 0);
                alignas(struct file_handle) unsigned char storage[sizeof(struct file_handle) + MAX_HANDLE_SZ];
                auto *handle = reinterpret_cast<struct file_handle *>(storage);
                handle->handle_bytes = MAX_HANDLE_SZ;
                int mountId = 0;
                const int rc = ::name_to_handle_at(AT_FDCWD, path.constData(), handle, &mountId, flags);
                if (rc != 0 && errno == EINVAL && flags == AT_HANDLE_FID)
                    QSKIP("this kernel has no AT_HANDLE_FID");
                QVERIFY2(rc == 0, relative);
                quint64 inode = 0;
                const QString what =
                    QStringLiteral("%1: handle type %2 not decoded").arg(relative).arg(handle->handle_type);
                const int bytes = int(handle->handle_bytes);
                const bool decoded = FileHandleDecoder::inode(handle->handle_type, handle->f_handle, bytes, &inode);
                QVERIFY2(decoded, qPrintable(what));
                QCOMPARE(inode, quint64(st.st_ino));
                quint64 root = 0;
                const bool isBtrfs = FileHandleDecoder::btrfsRoot(handle->handle_type, handle->f_handle, bytes, &root);
                QCOMPARE(isBtrfs, kind.startsWith(QLatin1String("btrfs")));
                if (isBtrfs)
                    QCOMPARE(root, subvolume);
            }
        }
    }
};

QTEST_GUILESS_MAIN(FileHandleDecoderTest)
#include "FileHandleDecoderTest.moc"
