#include "query/AsciiMatcher.h"
#include "query/ExpressionMatcher.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QTest>

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
                                   "*conf*", "conf;!config", "*.h;*.c;!test", "word", "_", "std", "a.b"};
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
    }
};

QTEST_GUILESS_MAIN(AsciiMatcherTest)
#include "AsciiMatcherTest.moc"
