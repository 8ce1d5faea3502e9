#pragma once

#include <QString>


class QTextStream;

// The state machine of the HTML converter: reads an HTML or XHTML document
// one source line at a time and writes the text of its body, with line breaks
// for block elements, to a text stream. Holds the state of one document, so
// each conversion makes its own scanner.
class HtmlTextScanner
{
public:
    explicit HtmlTextScanner(QTextStream &out);
    ~HtmlTextScanner();

    // Scans the next piece of the document, of any size: line breaks count
    // as white space, and text and tags may continue in the next piece.
    // False once the end of the body was seen.
    bool scan(const QString &text);
    // Writes the text still held at the end of the input: a document may end
    // without closing its last element.
    void finish();

private:
    bool scanChar(QChar c);
    void startTag();
    bool endTag();
    int scanEntity(const QString &text, int ampersand);
    void writeText(const QString &collected);

    QTextStream &m_out;
    QString m_text;
    QString m_tagName;
    bool m_inTag = false;
    bool m_tagNameEnded = false;
    bool m_inBody = false;
    bool m_wroteText = false;
    int m_pendingBreaks = 0;
};
