#include "base/Logger.h"
#include "content/ContentPrefilter.h"
#include "content/ContentSearcher.h"
#include "content/EncodingDetector.h"
#include "content/TextLineReader.h"
#include "query/ExpressionMatcher.h"
#include "query/FileSearchRequest.h"
#include "support/TestFiles.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

struct Answer
{
    bool matched = false;
    int count = 0;
};

// The content search as it was before the byte prefilter: every line
// decoded and judged, binary files skipped, encodings detected.
Answer decodedAnswer(const FileSearchRequest &request, const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QString encoding = EncodingDetector::detect(&file);
    if (encoding == QLatin1String(EncodingDetector::kBinary))
        return {};
    TextLineReader reader(&file, encoding);
    ExpressionMatcher matcher(request.text, request.textMatchOptions());
    Answer answer;
    QStringView line;
    while (reader.readLine(&line))
        answer.matched = matcher.match(line, nullptr, &answer.count) == ExpressionMatcher::Match || answer.matched;
    answer.matched = answer.matched || matcher.finish() == ExpressionMatcher::Match;
    return answer;
}

// Whole lines of text, at least `size` bytes of them.
QByteArray filler(int size)
{
    const QByteArray line("filler line\n");
    return line.repeated(size / line.size() + 1);
}

} // namespace

class ContentPrefilterTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        Logger::instance(m_dir.filePath(QStringLiteral("test.log")));
        const int block = ContentPrefilter::kBlockSize;
        const QString mixed =
            QStringLiteral("Stra\u00dfe und STRASSE\nKelvin \u212Aelvin 5\u212A\n\u017Fun and caf\u00e9\n");
        const QList<QPair<QString, QByteArray>> files = {
            {"ascii.txt", "the Pthread_Mutex_Lock call\nanother line, deprecated.\n"},
            {"crlf.txt", "mutex_lock\r\nDEPRECATED\r\nlast\r"},
            {"utf8.txt", mixed.toUtf8()},
            {"folds-only.txt", QStringLiteral("\u212Aelvin \u017Fun\n").toUtf8()},
            {"latin1.txt", "caf\xE9 na\xEFve PTHREAD_mutex\nSTRA\xDF" "E\n"},
            {"utf16le-bom.txt", "\xFF\xFE" + TestFiles::toUtf16LE(mixed + QStringLiteral("pthread mutex lock\n"))},
            {"utf16le.txt", TestFiles::toUtf16LE(QStringLiteral("a mutex in words and spaces, deprecated here\n"))},
            {"utf16be-bom.txt", "\xFE\xFF" + TestFiles::toUtf16BE(QStringLiteral("Deprecated mutex \u212Aelvin\n"))},
            {"binary.bin", QByteArray("\x7F" "ELF\0\0\0mutex_lock deprecated", 28)},
            {"large-binary.bin", QByteArray("\x7F" "ELF\0\0\0", 7) + filler(2 * block) + "mutex_lock deprecated\n"},
            {"empty.txt", QByteArray()},
            {"long-line.txt", QByteArray(block + 100, 'x') + " mutex_lock " + QByteArray(70, 'y') + "\nstrasse\n"},
            // A term across the end of the first block.
            {"split.txt", QByteArray(block - 4, 'a') + " Deprecated_mutex\n"},
            {"utf8-then-invalid.txt", "caf\xC3\xA9\nx\xE9y mutex_lock\n"},
            // Terms first seen after the first block, where their lines are
            // judged on the bytes too.
            {"later-block.txt", filler(2 * block) + "the mutex_lock is deprecated\n" + filler(100)},
            {"later-block-last-line.txt", filler(block + 7) + "Mutex_Lock deprecated"},
            {"later-block-wrong-word.txt", filler(block + 3) + "mutexes\n" + filler(block) + "a mutex\n"},
            {"later-block-bom.txt", "\xEF\xBB\xBF" + filler(block + 100) + "Deprecated mutex_lock\n"},
            // A line that goes on in the next block: its end is not in view.
            {"later-block-cut-line.txt", filler(2 * block).left(2 * block - 11) + " mutex_locked\n"},
            // A line that begins a block earlier: its start is not in view.
            {"later-block-long-line.txt", "a" + QByteArray(block + 50, 'b') + " mutex_lock\n"},
        };
        for (const auto &file : files) {
            const QString path = m_dir.filePath(file.first);
            QVERIFY(TestFiles::write(path, file.second));
            m_corpus.append(path);
        }
    }

    // The same verdicts and counts as the search that decodes every line, in both scopes and case modes.
    void agreesWithDecodedSearch_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("type");
        const int substring = 0, wholeWord = 1, regex = 2, boolean = 3;
        QTest::newRow("substring") << "mutex_lock" << substring;
        QTest::newRow("substring exclusion") << "mutex;!deprecated" << substring;
        QTest::newRow("sharp s") << QStringLiteral("stra\u00dfe") << substring;
        QTest::newRow("kelvin") << "kelvin" << substring;
        QTest::newRow("plain s") << "sun" << substring;
        QTest::newRow("whole word") << "mutex" << wholeWord;
        QTest::newRow("regex literal") << "mutex_l.ck" << regex;
        QTest::newRow("regex alternative") << "nothing|deprecated" << regex;
        QTest::newRow("regex invalid byte") << "x.y mutex" << regex;
        QTest::newRow("regex no literal") << "[0-9]+" << regex;
        QTest::newRow("regex from the line's start") << "^b+ mutex_lock" << regex;
        QTest::newRow("regex to the line's end") << "mutex_lock$" << regex;
        QTest::newRow("boolean or not") << "kelvin or not mutex" << boolean;
    }

    void agreesWithDecodedSearch()
    {
        QFETCH(QString, text);
        QFETCH(int, type);
        ContentSearcher searcher(m_dir.path());
        ContentSearchSettings settings;
        settings.autoDetectEncoding = true;
        settings.skipBinary = true;
        searcher.setSettings(settings);
        for (const bool caseSensitive : {false, true}) {
            for (const bool lineScope : {false, true}) {
                FileSearchRequest request;
                request.text = text;
                request.textExpressionType = type;
                request.textCaseSensitive = caseSensitive;
                request.lineScope = lineScope;
                for (const QString &path : qAsConst(m_corpus)) {
                    const Answer expected = decodedAnswer(request, path);
                    const QByteArray where =
                        QStringLiteral("%1, case %2, scope %3").arg(path).arg(caseSensitive).arg(lineScope).toUtf8();
                    int count = 0;
                    QVERIFY2(searcher.find(request, path, &count) == expected.matched, where.constData());
                    QVERIFY2(count == expected.count, where.constData());
                    QVERIFY2(searcher.find(request, path) == expected.matched, where.constData());
                }
            }
        }
    }

    void requiredRegexText_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("required");
        QTest::newRow("optional character") << "colou?r_name" << "r_name";
        QTest::newRow("bounded repeat") << "abcd{2,3}xy" << "abc";
        QTest::newRow("escaped dot") << "file\\.txt" << "file.txt";
        QTest::newRow("word boundary") << "\\bword\\b" << "word";
    }

    void requiredRegexText()
    {
        QFETCH(QString, pattern);
        QFETCH(QString, required);
        QCOMPARE(ContentPrefilter::requiredRegexText(pattern), required);
    }

private:
    QTemporaryDir m_dir;
    QStringList m_corpus;
};

QTEST_MAIN(ContentPrefilterTest)
#include "ContentPrefilterTest.moc"
