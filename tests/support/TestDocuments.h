#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

#include <quazip/quazip.h>
#include <quazip/quazipfile.h>

// Documents built inside the tests: zip archives and EPUB books.
class TestDocuments
{
public:
    using ZipEntries = QList<QPair<QString, QByteArray>>;

    static bool writeZip(const QString &path, const ZipEntries &entries)
    {
        QuaZip zip(path);
        if (!zip.open(QuaZip::mdCreate))
            return false;
        for (const auto &entry : entries) {
            QuaZipFile file(&zip);
            if (!file.open(QIODevice::WriteOnly, QuaZipNewInfo(entry.first)))
                return false;
            file.write(entry.second);
            file.close();
        }
        zip.close();
        return zip.getZipError() == 0;
    }

    // The entries of an EPUB book whose package sits at the root and whose
    // spine reads the one chapter 'chapterFile' 'times' times.
    static ZipEntries epub(const QByteArray &chapterFile, int times = 1)
    {
        const QByteArray container = "<container><rootfiles><rootfile full-path=\"c.opf\" "
                                     "media-type=\"application/oebps-package+xml\"/></rootfiles></container>";
        QByteArray spine;
        for (int i = 0; i < times; ++i)
            spine += "<itemref idref=\"c\"/>";
        const QByteArray package = "<package><manifest><item id=\"c\" href=\"c.xhtml\" "
                                   "media-type=\"application/xhtml+xml\"/></manifest><spine>" + spine
            + "</spine></package>";
        return {{QStringLiteral("META-INF/container.xml"), container},
                {QStringLiteral("c.opf"), package},
                {QStringLiteral("c.xhtml"), chapterFile}};
    }
};
