#include "helper/XmlTextWalker.h"

#include "helper/TextSink.h"

#include <QVector>

namespace {

// Marks an element opened inside a skipped one.
const unsigned kSkipped = 0x80000000u;
// More spaces than this from one element are taken as damage.
const int kMaxSpaces = 1024;

QString ruleKey(const QStringRef &namespaceUri, const QStringRef &name)
{
    QString key;
    key.reserve(namespaceUri.size() + 1 + name.size());
    key.append(namespaceUri).append(QLatin1Char(' ')).append(name);
    return key;
}

const QString kOdfText = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:text:1.0");
const QString kOdfTable = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:table:1.0");
const QString kOdfDrawing = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:drawing:1.0");
const QString kWordprocessing = QStringLiteral("http://schemas.openxmlformats.org/wordprocessingml/2006/main");
const QString kDrawing = QStringLiteral("http://schemas.openxmlformats.org/drawingml/2006/main");
// Alternate content repeats its text in the fallback for older readers.
const QString kCompatibility = QStringLiteral("http://schemas.openxmlformats.org/markup-compatibility/2006");

} // namespace

XmlTextWalker::XmlTextWalker(const QList<Rule> &rules)
{
    for (const Rule &rule : rules)
        m_rules.insert(ruleKey(QStringRef(&rule.namespaceUri), QStringRef(&rule.name)), rule);
}

const XmlTextWalker &XmlTextWalker::openDocument()
{
    static const XmlTextWalker walker({
        {kOdfText, QStringLiteral("p"), Text | BreakAfter, {}},
        {kOdfText, QStringLiteral("h"), Text | BreakAfter, {}},
        {kOdfText, QStringLiteral("s"), Spaces, QStringLiteral("c")},
        {kOdfText, QStringLiteral("tab"), Tab, {}},
        {kOdfText, QStringLiteral("line-break"), LineBreak, {}},
        {kOdfText, QStringLiteral("tracked-changes"), Skip, {}},
        {kOdfTable, QStringLiteral("table-cell"), BreakAfter, {}},
        {kOdfTable, QStringLiteral("covered-table-cell"), BreakAfter, {}},
        {kOdfDrawing, QStringLiteral("page"), BreakAfter, {}},
    });
    return walker;
}

const XmlTextWalker &XmlTextWalker::wordprocessing()
{
    static const XmlTextWalker walker({
        {kWordprocessing, QStringLiteral("t"), Text, {}},
        {kWordprocessing, QStringLiteral("p"), BreakAfter, {}},
        {kWordprocessing, QStringLiteral("tc"), BreakAfter, {}},
        {kWordprocessing, QStringLiteral("tab"), Tab, {}},
        {kWordprocessing, QStringLiteral("br"), LineBreak, {}},
        {kWordprocessing, QStringLiteral("cr"), LineBreak, {}},
        // Properties hold tab stops, which are no tabs of the text.
        {kWordprocessing, QStringLiteral("pPr"), Skip, {}},
        {kWordprocessing, QStringLiteral("rPr"), Skip, {}},
        {kCompatibility, QStringLiteral("Fallback"), Skip, {}},
    });
    return walker;
}

const XmlTextWalker &XmlTextWalker::drawing()
{
    static const XmlTextWalker walker({
        {kDrawing, QStringLiteral("t"), Text, {}},
        {kDrawing, QStringLiteral("p"), BreakAfter, {}},
        {kDrawing, QStringLiteral("tc"), BreakAfter, {}},
        {kDrawing, QStringLiteral("br"), LineBreak, {}},
        {kCompatibility, QStringLiteral("Fallback"), Skip, {}},
    });
    return walker;
}

const XmlTextWalker::Rule *XmlTextWalker::rule(const QStringRef &namespaceUri, const QStringRef &name) const
{
    const auto found = m_rules.constFind(ruleKey(namespaceUri, name));
    return found == m_rules.constEnd() ? nullptr : &found.value();
}

void XmlTextWalker::startElement(QXmlStreamReader &xml, unsigned actions, TextSink *sink, int *textDepth) const
{
    if (actions & Text)
        ++*textDepth;
    if (actions & Tab)
        sink->text(u"\t");
    if (actions & LineBreak)
        sink->lineBreak();
    if (actions & Spaces) {
        const Rule *found = rule(xml.namespaceUri(), xml.name());
        const QStringRef count = xml.attributes().value(xml.namespaceUri().toString(), found->countAttribute);
        const int spaces = count.isEmpty() ? 1 : qBound(0, count.toInt(), kMaxSpaces);
        sink->text(QString(spaces, QLatin1Char(' ')));
    }
}

bool XmlTextWalker::walk(const ChunkedXmlReader::ChunkSource &source, TextSink *sink, ExtractionBudget *budget) const
{
    ChunkedXmlReader reader(source, budget);
    QXmlStreamReader &xml = reader.xml();
    QVector<unsigned> open;
    int skipDepth = 0;
    int textDepth = 0;
    for (;;) {
        const QXmlStreamReader::TokenType token = reader.next();
        if (token == QXmlStreamReader::Invalid || token == QXmlStreamReader::EndDocument)
            break;
        if (token == QXmlStreamReader::StartElement) {
            if (open.size() >= kMaxDepth)
                return false;
            const Rule *found = rule(xml.namespaceUri(), xml.name());
            const unsigned actions = found ? found->actions : 0;
            if (skipDepth > 0 || (actions & Skip)) {
                ++skipDepth;
                open.append(kSkipped);
                continue;
            }
            open.append(actions);
            startElement(xml, actions, sink, &textDepth);
        } else if (token == QXmlStreamReader::EndElement && !open.isEmpty()) {
            const unsigned actions = open.takeLast();
            if (actions == kSkipped) {
                --skipDepth;
                continue;
            }
            if (actions & Text)
                --textDepth;
            if (actions & BreakAfter)
                sink->lineBreak();
        } else if (token == QXmlStreamReader::Characters && textDepth > 0 && skipDepth == 0) {
            sink->text(xml.text());
        }
    }
    sink->lineBreak();
    return !reader.failed() && !sink->failed();
}
