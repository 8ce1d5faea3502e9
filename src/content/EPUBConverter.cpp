#include "content/EPUBConverter.h"

#include "base/Logger.h"
#include "content/HtmlConverter.h"

#include <QHash>
#include <QTemporaryFile>
#include <QXmlStreamReader>

#include <quazip/quazip.h>
#include <quazip/quazipfile.h>

namespace {

const char kComponent[] = "EPUBConverter";

void logWarning(const QString &message)
{
    Logger::instance()->log(WARNING, kComponent, message);
}

} // namespace

EPUBConverter::EPUBConverter(HtmlConverter *html)
    : m_html(html)
{
}

QString EPUBConverter::encoding() const
{
    return m_html->encoding();
}

bool EPUBConverter::convert(const QString &path, QIODevice *input, QString *outputFile, QIODevice *output,
                            const QString &, const CancelFlag *cancel)
{
    QuaZip zip;
    if (input)
        zip.setIoDevice(input);
    else
        zip.setZipName(path);
    if (!zip.open(QuaZip::mdUnzip)) {
        logWarning(QStringLiteral("zip.open() failed, error %1").arg(zip.getZipError()));
        return false;
    }
    zip.setFileNameCodec("UTF8");
    QStringList entries;
    if (!readReadingList(zip, &entries))
        return false;

    std::unique_ptr<QTemporaryFile> created;
    if (!output) {
        created = createUtf16OutputFile(tempFolder() + QLatin1String("/epub"), kComponent, outputFile);
        if (!created)
            return false;
        output = created.get();
    }
    // A spine may name one large chapter over and over.
    for (const QString &entry : qAsConst(entries)) {
        checkCanceled(cancel, kComponent, __LINE__);
        if (outputFull(output, kComponent))
            break;
        appendEntry(zip, entry, output, cancel);
    }
    return true;
}

bool EPUBConverter::openEntry(QuaZipFile &entry, const QString &name)
{
    if (entry.open(QIODevice::ReadOnly))
        return true;
    logWarning(QStringLiteral("Failed to open %1, error %2").arg(name).arg(entry.getZipError()));
    return false;
}

bool EPUBConverter::readReadingList(QuaZip &zip, QStringList *entries)
{
    static const QString kContainer = QStringLiteral("META-INF/container.xml");
    if (!zip.setCurrentFile(kContainer)) {
        logWarning(QStringLiteral("container.xml not found"));
        return false;
    }
    QuaZipFile entry(&zip);
    if (!openEntry(entry, kContainer))
        return false;
    QString packagePath;
    const bool hasRootfile = rootfilePath(&entry, &packagePath);
    entry.close();
    if (!hasRootfile) {
        logWarning(QStringLiteral("Parsing container.xml failed"));
        return false;
    }
    // An empty name would deselect the current entry rather than fail.
    if (packagePath.isEmpty() || !zip.setCurrentFile(packagePath)) {
        logWarning(QStringLiteral("%1 not found").arg(packagePath));
        return false;
    }
    if (!openEntry(entry, packagePath))
        return false;
    const QStringList hrefs = spineHrefs(&entry);
    entry.close();

    // Hrefs are relative to the package document's folder, taken as written.
    const QString base = packagePath.left(packagePath.lastIndexOf(QLatin1Char('/')) + 1);
    entries->clear();
    for (const QString &href : hrefs)
        entries->append(href.isEmpty() ? QString() : base + href);
    return true;
}

// The "full-path" of the first "rootfile" element; false when there is none.
bool EPUBConverter::rootfilePath(QIODevice *container, QString *path)
{
    QXmlStreamReader xml(container);
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("rootfile")) {
            *path = xml.attributes().value(QLatin1String("full-path")).toString();
            return true;
        }
    }
    return false;
}

// The manifest hrefs of the spine's itemrefs, in spine order; an idref that
// names no XHTML item gives an empty string.
QStringList EPUBConverter::spineHrefs(QIODevice *package)
{
    QHash<QString, QString> manifest;
    QStringList hrefs;
    bool inSpine = false;
    QXmlStreamReader xml(package);
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement() && xml.name() == QLatin1String("spine")) {
            inSpine = false;
            continue;
        }
        if (!xml.isStartElement())
            continue;
        const QXmlStreamAttributes attributes = xml.attributes();
        if (xml.name() == QLatin1String("spine")) {
            inSpine = true;
        } else if (xml.name() == QLatin1String("item")) {
            if (attributes.value(QLatin1String("media-type")) == QLatin1String("application/xhtml+xml"))
                manifest.insert(attributes.value(QLatin1String("id")).toString(),
                                attributes.value(QLatin1String("href")).toString());
        } else if (inSpine && xml.name() == QLatin1String("itemref")) {
            hrefs.append(manifest.value(attributes.value(QLatin1String("idref")).toString()));
        }
    }
    return hrefs;
}

void EPUBConverter::appendEntry(QuaZip &zip, const QString &name, QIODevice *output, const CancelFlag *cancel)
{
    if (name.isEmpty() || !zip.setCurrentFile(name)) {
        logWarning(QStringLiteral("content item not found"));
        return;
    }
    QuaZipFile entry(&zip);
    if (!openEntry(entry, name))
        return;
    const qint64 before = output->pos();
    m_html->convert(QString(), &entry, nullptr, output, QStringLiteral("UTF-8"), cancel);
    if (output->pos() != before) {
        // Two CR LF pairs in UTF-16LE between the texts of two documents.
        static const char kSeparator[] = {'\r', 0, '\n', 0, '\r', 0, '\n', 0};
        output->write(kSeparator, sizeof(kSeparator));
    }
}
