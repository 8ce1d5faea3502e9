#include "content/HtmlConverter.h"

#include "base/Logger.h"
#include "content/HtmlTextScanner.h"

#include <QFile>
#include <QTemporaryFile>
#include <QTextCodec>
#include <QTextStream>

namespace {

// An unknown name leaves the stream's codec as it was.
void setCodecByName(QTextStream &stream, const QString &name)
{
    if (QTextCodec *codec = QTextCodec::codecForName(name.toLatin1()))
        stream.setCodec(codec);
}

} // namespace

bool HtmlConverter::convert(const QString &path, QIODevice *input, QString *outputFile, QIODevice *output,
                            const QString &inputEncoding, const CancelFlag *cancel)
{
    QFile file;
    if (!input) {
        file.setFileName(path);
        if (!file.open(QIODevice::ReadOnly)) {
            Logger::instance()->log(WARNING, "HtmlConverter", QStringLiteral("Failed to open %1").arg(path));
            return false;
        }
        input = &file;
    }
    QTextStream in(input);
    if (inputEncoding.isEmpty())
        applyDeclaredEncoding(in);
    else
        setCodecByName(in, inputEncoding);

    std::unique_ptr<QTemporaryFile> created;
    if (!output) {
        // The template has no separator: the file sits beside the temporary
        // folder, named after it.
        created = createUtf16OutputFile(tempFolder() + QLatin1String("xhtml"), "HtmlConverter", outputFile);
        if (!created)
            return false;
        output = created.get();
    }
    // Declared after the file so that it is flushed before the file closes,
    // also when a cancellation unwinds this frame.
    QTextStream out(output);
    out.setCodec("UTF-16");
    HtmlTextScanner scanner(out);
    // Read in pieces, not lines: a document may be one line of a gigabyte.
    constexpr qint64 kPiece = 65536;
    while (!in.atEnd()) {
        checkCanceled(cancel, "HtmlConverter", __LINE__);
        if (!scanner.scan(in.read(kPiece)) || outputFull(output, "HtmlConverter"))
            break;
    }
    scanner.finish();
    out.flush();
    return true;
}

// Looks for encoding="name" in the first 200 characters, then rewinds so that
// the document is read from its start, once, with that codec.
void HtmlConverter::applyDeclaredEncoding(QTextStream &in)
{
    static const QLatin1String kMarker("encoding=\"");
    const QString head = in.read(200);
    const int at = head.indexOf(kMarker);
    if (at >= 0) {
        const int start = at + kMarker.size();
        const int end = head.indexOf(QLatin1Char('"'), start);
        if (end > start)
            setCodecByName(in, head.mid(start, end - start));
    }
    in.seek(0);
}
