#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

#include <quazip/quazip.h>
#include <quazip/quazipfile.h>

// Documents built inside the tests: a minimal PDF, zip archives and EPUB books.
class TestDocuments
{
public:
    // A one-page PDF whose page content stream is 'content' (for example
    // "BT /F1 12 Tf 72 720 Td (Hello) Tj ET", with the font /F1 defined), its
    // cross-reference table built from the real object offsets.
    static QByteArray minimalPdf(const QByteArray &content)
    {
        const QList<QByteArray> objects{
            "<< /Type /Catalog /Pages 2 0 R >>",
            "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
            "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 612 792] /Contents 4 0 R "
            "/Resources << /Font << /F1 5 0 R >> >> >>",
            "<< /Length " + QByteArray::number(content.size()) + " >>\nstream\n" + content + "\nendstream",
            "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica >>"};
        QByteArray pdf = "%PDF-1.4\n";
        QList<int> offsets;
        for (int i = 0; i < objects.size(); ++i) {
            offsets.append(pdf.size());
            pdf += QByteArray::number(i + 1) + " 0 obj\n" + objects.at(i) + "\nendobj\n";
        }
        const int xref = pdf.size();
        const QByteArray size = QByteArray::number(objects.size() + 1);
        pdf += "xref\n0 " + size + "\n0000000000 65535 f \n";
        for (int offset : offsets)
            pdf += QByteArray::number(offset).rightJustified(10, '0') + " 00000 n \n";
        pdf += "trailer\n<< /Size " + size + " /Root 1 0 R >>\nstartxref\n" + QByteArray::number(xref) +
               "\n%%EOF\n";
        return pdf;
    }

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
