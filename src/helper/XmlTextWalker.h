#pragma once

#include "helper/ChunkedXmlReader.h"

#include <QHash>
#include <QList>
#include <QString>

class ExtractionBudget;
class TextSink;

// Walks an XML document in document order and hands its text to a sink,
// guided by a table that says what each element means for the text. One
// walker per XML vocabulary (OpenDocument, WordprocessingML, DrawingML);
// the walker itself knows no format.
class XmlTextWalker
{
public:
    enum Action : unsigned {
        Text = 0x01,       // character data inside is text
        BreakAfter = 0x02, // ends a line (paragraph, cell, slide)
        Tab = 0x04,        // stands for a tab
        Spaces = 0x08,     // stands for spaces: the count attribute, else one
        LineBreak = 0x10,  // stands for a line end inside a paragraph
        Skip = 0x20,       // nothing inside counts (deleted text, fallbacks)
    };

    struct Rule
    {
        QString namespaceUri;
        QString name;
        unsigned actions = 0;
        QString countAttribute; // for Spaces, in the element's namespace
    };

    explicit XmlTextWalker(const QList<Rule> &rules);

    // False when the source or the budget stopped the walk; malformed XML
    // ends it with the text found so far, which is kept.
    bool walk(const ChunkedXmlReader::ChunkSource &source, TextSink *sink, ExtractionBudget *budget) const;

    static const XmlTextWalker &openDocument();
    static const XmlTextWalker &wordprocessing();
    static const XmlTextWalker &drawing();

    // Elements open at once beyond which a document is refused.
    static const int kMaxDepth = 4096;

private:
    const Rule *rule(const QStringRef &namespaceUri, const QStringRef &name) const;
    void startElement(QXmlStreamReader &xml, unsigned actions, TextSink *sink, int *textDepth) const;

    QHash<QString, Rule> m_rules; // "namespace name" -> rule
};
