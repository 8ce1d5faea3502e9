#include "app/Settings.h"
#include "support/TestFiles.h"
#include "ui/FilePreviewPage.h"
#include "ui/LocationPane.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>

Q_DECLARE_METATYPE(LocationPane::Mark)

namespace {

ContentMatches matchesIn(const QString &path, const QList<MatchLine> &lines)
{
    return ContentMatches{path, false, 0, lines};
}

MatchLine matchLine(int number, int start, int length)
{
    return MatchLine{number, QString(), {{start, length}}};
}

// The characters of the document drawn on the highlight colour.
QString highlighted(const QTextDocument *document)
{
    const QColor colour = QColor(QRgb(Settings::instance()->highlightColor()));
    QString text;
    for (int i = 0; i + 1 < document->characterCount(); ++i) {
        QTextCursor cursor(const_cast<QTextDocument *>(document));
        cursor.setPosition(i + 1);
        if (cursor.charFormat().background().color() == colour)
            text += document->characterAt(i);
    }
    return text;
}

bool waitShown(FilePreviewPage &page, QSignalSpy &spy)
{
    return spy.wait(60000) && spy.count() == 1 && page.textEdit()->placeholderText().isEmpty();
}

} // namespace

class FilePreviewPageTest : public QObject
{
    Q_OBJECT
private slots:
    void encodings_data()
    {
        const QString text = QStringLiteral("alpha\r\nbeta gamma caf\u00e9\nend with spaces around");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("UTF-8 without mark") << text.toUtf8();
        QTest::newRow("UTF-16LE with mark") << QByteArray("\xFF\xFE", 2) + TestFiles::toUtf16LE(text);
        QTest::newRow("UTF-16BE without mark") << TestFiles::toUtf16BE(text);
    }

    void encodings()
    {
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("text.txt"));
        QVERIFY(TestFiles::write(path, bytes));
        FilePreviewPage page;
        QSignalSpy shown(&page, &FilePreviewPage::fileShown);
        page.showFile(matchesIn(path, {matchLine(1, 5, 5)}));
        QVERIFY(waitShown(page, shown));
        QCOMPARE(page.textEdit()->toPlainText(),
                 QStringLiteral("alpha\nbeta gamma caf\u00e9\nend with spaces around"));
        QCOMPARE(highlighted(page.textEdit()->document()), QStringLiteral("gamma"));
        QCOMPARE(page.locationPane()->total(), 3);
        QCOMPARE(page.locationPane()->marks(), (QVector<LocationPane::Mark>{{1, 1}}));
        QVERIFY(page.noticeLabel()->isHidden());
    }

    // A file past the limit shows its head and says so; marks beyond the
    // head are dropped.
    void largeFileIsCut()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("big.log"));
        const QByteArray line = QByteArray(99, 'x') + '\n';
        const int lines = int(FileTextReader::kByteLimit / line.size()) + 1000;
        QVERIFY(TestFiles::write(path, line.repeated(lines)));
        FilePreviewPage page;
        QSignalSpy shown(&page, &FilePreviewPage::fileShown);
        page.showFile(matchesIn(path, {matchLine(10, 0, 3), matchLine(lines - 10, 0, 3)}));
        QVERIFY(waitShown(page, shown));
        const QTextDocument *document = page.textEdit()->document();
        QVERIFY(document->characterCount() <= FileTextReader::kByteLimit + 1);
        QVERIFY(document->blockCount() < lines);
        QVERIFY(!page.noticeLabel()->isHidden());
        QVERIFY(page.noticeLabel()->text().contains(QStringLiteral("only its first 16 MiB")));
        QCOMPARE(page.locationPane()->total(), document->blockCount());
        QCOMPARE(page.locationPane()->marks(), (QVector<LocationPane::Mark>{{10, 1}}));
    }

    // A line too long to lay out quickly is cut; a match past the cut is
    // not highlighted, one before it is.
    void longLineIsCut()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("minified.js"));
        QByteArray line(3 * FileTextReader::kMaxLineLength, 'a');
        line.replace(5, 3, "hit").replace(2 * FileTextReader::kMaxLineLength, 3, "hit");
        QVERIFY(TestFiles::write(path, "short\n" + line + "\nlast"));
        FilePreviewPage page;
        QSignalSpy shown(&page, &FilePreviewPage::fileShown);
        MatchLine hits = matchLine(1, 5, 3);
        hits.positions.append({2 * FileTextReader::kMaxLineLength, 3});
        page.showFile(matchesIn(path, {hits}));
        QVERIFY(waitShown(page, shown));
        const QTextDocument *document = page.textEdit()->document();
        QCOMPARE(document->blockCount(), 3);
        QCOMPARE(document->findBlockByNumber(1).text().size(), FileTextReader::kMaxLineLength + 1);
        QCOMPARE(document->findBlockByNumber(2).text(), QStringLiteral("last"));
        QCOMPARE(highlighted(document), QStringLiteral("hit"));
        QVERIFY(page.noticeLabel()->text().contains(QStringLiteral("are cut")));
    }

    void missingFile()
    {
        QTemporaryDir dir;
        FilePreviewPage page;
        QSignalSpy shown(&page, &FilePreviewPage::fileShown);
        page.showFile(matchesIn(dir.filePath(QStringLiteral("gone.txt")), {matchLine(0, 0, 1)}));
        QVERIFY(waitShown(page, shown));
        QVERIFY(page.noticeLabel()->text().contains(QStringLiteral("cannot be opened")));
        QCOMPARE(page.locationPane()->total(), 0);
    }

    // Only the newest request is shown, even when an older read finishes.
    void newerFileWins()
    {
        QTemporaryDir dir;
        const QString first = dir.filePath(QStringLiteral("first.txt"));
        const QString second = dir.filePath(QStringLiteral("second.txt"));
        QVERIFY(TestFiles::write(first, QByteArray("first\n").repeated(200000)));
        QVERIFY(TestFiles::write(second, "second"));
        FilePreviewPage page;
        QSignalSpy shown(&page, &FilePreviewPage::fileShown);
        page.showFile(matchesIn(first, {}));
        page.clear();
        page.showFile(matchesIn(first, {}));
        page.showFile(matchesIn(second, {}));
        QVERIFY(shown.wait(60000));
        QCOMPARE(page.textEdit()->toPlainText(), QStringLiteral("second"));
    }

    void wordWrapAction()
    {
        Settings::instance()->setValue(Settings::WordWrap, false);
        FilePreviewPage page;
        page.wordWrapAction()->trigger();
        QCOMPARE(Settings::instance()->value(Settings::WordWrap).toBool(), true);
        QCOMPARE(page.textEdit()->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        QVERIFY(FilePreviewPage().wordWrapAction()->isChecked());
    }
};

QTEST_MAIN(FilePreviewPageTest)
#include "FilePreviewPageTest.moc"
