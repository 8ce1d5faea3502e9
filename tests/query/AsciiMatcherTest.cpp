#include "query/AsciiMatcher.h"
#include "query/ExpressionMatcher.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QTest>

#include <algorithm>
#include <cstring>
#include <unordered_set>

// The byte path must give exactly the verdicts of the general one: it is a shortcut, never a second opinion.
class AsciiMatcherTest : public QObject
{
    Q_OBJECT

    QList<QByteArray> m_names;

    static MatchOptions options(int mode, bool caseSensitive, bool boolean = false)
    {
        MatchOptions o;
        o.mode = mode;
        o.caseSensitive = caseSensitive;
        o.fileName = true;
        o.boolean = boolean;
        return o;
    }

private slots:
    void initTestCase()
    {
        m_names = {"", "a", "A", "conf", "CONF", "my.conf", "config.h", "xconfx", "conf_x", "x_conf", "con",
                   "foo-bar.TXT", "foo.bar.txt", ".hidden", "a.b", "ab", "a?b", "a*b", "libfoo.so.1", "lib.so.",
                   "Makefile", "makefile.am", "word word", "wordy", "sword", "9word", "word9", "w", "..", "*.h"};
        QDirIterator it(QStringLiteral("/usr/include"), QDir::AllEntries | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
        while (it.hasNext() && m_names.size() < 20000) {
            it.next();
            m_names << it.fileName().toUtf8();
        }
        // Characters other than ASCII around a term, and ones that fold onto ASCII letters.
        m_names += {"éconf", "confé", "coénf", "CONKF", "Kconf", "wordé", "éword", "é word", "aſb",
                    "İ.h", "x.hé", "libé.so.1", "日本.h", "stdＡ"};
    }

    void sameVerdictsAsTheGeneralPath_data()
    {
        QTest::addColumn<QString>("expression");
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("caseSensitive");
        QTest::addColumn<bool>("boolean");
        const QStringList texts = {"conf", "CoNf", "h", ".h", "*.h", "*.H", "lib*.so.?", "?", "a?b", "*", "**",
                                   "*conf*", "conf;!config", "*.h;*.c;!test", "word", "_", "std", "a.b", "c", "co",
                                   "xconf", "ONFx", "kon"};
        for (const QString &text : texts) {
            for (int mode : {0, 1}) {
                for (bool cs : {false, true}) {
                    QTest::addRow("%s mode %d %s", qPrintable(text), mode, cs ? "cs" : "ci")
                        << text << mode << cs << false;
                }
            }
        }
        QTest::newRow("boolean") << "conf and not (h or x)" << 0 << false << true;
        QTest::newRow("boolean wildcards") << "*.h or lib*" << 0 << false << true;
    }

    void sameVerdictsAsTheGeneralPath()
    {
        QFETCH(QString, expression);
        QFETCH(int, mode);
        QFETCH(bool, caseSensitive);
        QFETCH(bool, boolean);
        ExpressionMatcher general(expression, options(mode, caseSensitive, boolean));
        ExpressionMatcher bytes(expression, options(mode, caseSensitive, boolean));
        QVERIFY(bytes.hasAsciiPath());
        for (const QByteArray &name : qAsConst(m_names)) {
            const int fromBytes = bytes.matchBytes(name.constData());
            const bool ascii = std::all_of(name.begin(), name.end(), [](char c) { return uchar(c) < 0x80; });
            // Other characters may be left to the general path, ASCII never.
            if (fromBytes == ExpressionMatcher::NotAscii && !ascii)
                continue;
            QCOMPARE(fromBytes, general.match(QString::fromUtf8(name)));
        }
        // Many names at once, in leaves as an index gives them: each verdict
        // as the name alone gets it.
        std::vector<const char *> pointers;
        for (const QByteArray &name : qAsConst(m_names))
            pointers.push_back(name.constData());
        std::vector<quint8> verdicts(pointers.size());
        for (std::size_t first = 0; first < pointers.size(); first += 128) {
            const int count = int(std::min<std::size_t>(128, pointers.size() - first));
            bytes.matchBytes(pointers.data() + first, count, verdicts.data() + first);
        }
        for (std::size_t i = 0; i < pointers.size(); ++i)
            QCOMPARE(int(verdicts[i]), bytes.matchBytes(pointers[i]));
        checkPackedNames(expression, mode, boolean, bytes, general);
    }

private:
    // The names back to back in memory, as an index's string pool holds them, at every alignment: a lone plain
    // term is found in the stream of bytes, and each name lands in exactly the list its verdict puts it in.
    void checkPackedNames(const QString &expression, int mode, bool boolean,
                          ExpressionMatcher &bytes, ExpressionMatcher &general)
    {
        const bool lonePlainTerm = mode == 0 && !boolean && !expression.contains(QLatin1Char('*'))
                                   && !expression.contains(QLatin1Char('?')) && !expression.contains(QLatin1Char(';'));
        for (int shift = 0; shift < 16; shift += 5) {
            QByteArray packed(shift, 'x');
            std::vector<int> starts;
            for (const QByteArray &name : qAsConst(m_names)) {
                starts.push_back(packed.size());
                packed += name;
                packed += '\0';
            }
            const char *first = packed.constData() + shift;
            std::vector<const char *> matches;
            std::vector<const char *> undecided;
            const bool found = bytes.findInNames(first, packed.constData() + packed.size(), matches, undecided);
            QCOMPARE(found, lonePlainTerm);
            if (!found)
                return;
            const std::unordered_set<const char *> matched(matches.begin(), matches.end());
            const std::unordered_set<const char *> open(undecided.begin(), undecided.end());
            QCOMPARE(matched.size() + open.size(), matches.size() + undecided.size()); // each name at most once
            std::size_t listed = 0;
            for (int start : starts) {
                const char *name = packed.constData() + start;
                const bool isMatched = matched.count(name) == 1;
                const bool isOpen = open.count(name) == 1;
                listed += std::size_t(isMatched) + std::size_t(isOpen);
                QVERIFY2(!(isMatched && isOpen), name);
                if (isOpen) {
                    QVERIFY2(!std::all_of(name, name + std::strlen(name), [](char c) { return uchar(c) < 0x80; }), name);
                    continue;
                }
                const bool expected = general.match(QString::fromUtf8(name)) == ExpressionMatcher::Match;
                QVERIFY2(isMatched == expected, name);
            }
            QCOMPARE(listed, matches.size() + undecided.size()); // nothing but the starts of names
        }
    }
};

QTEST_GUILESS_MAIN(AsciiMatcherTest)
#include "AsciiMatcherTest.moc"
