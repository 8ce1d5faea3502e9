#pragma once

#include <QString>
#include <QStringView>

class QIODevice;

// Where a reader puts a document's text, written as UTF-16LE. It keeps the
// line rules that every reader shares: a carriage return inside the text
// becomes a line feed, and a break (the end of a paragraph, cell or slide)
// is "\r\n", written only when text came since the previous break, so
// nested ends (a paragraph ending a cell) give one line end.
class TextSink
{
public:
    // 'output' is not owned and stays open while the sink lives.
    explicit TextSink(QIODevice *output);
    ~TextSink();
    TextSink(const TextSink &) = delete;
    TextSink &operator=(const TextSink &) = delete;

    void text(QStringView text);
    void lineBreak();
    // Writes what is held; false when the device refused some of it.
    bool flush();
    bool failed() const { return m_failed; }

private:
    QIODevice *m_output;
    QString m_pending;
    bool m_textSinceBreak = false;
    bool m_failed = false;
};
