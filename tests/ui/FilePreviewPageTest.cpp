#include "WindowTestSupport.h"

#include "content/EncodingDetector.h"
#include "support/TestFiles.h"
#include "ui/FilePreviewPage.h"
#include "ui/FileTextReader.h"
#include "ui/FindBar.h"
#include "ui/LocationPane.h"
#include "ui/MatchesTextView.h"
#include "ui/PreviewTabWidget.h"

#include <QScrollBar>

using Marks = QVector<LocationPane::Mark>;
Q_DECLARE_METATYPE(LocationPane::Mark)

namespace {

MatchLine matchLine(int number, int start, int length)
{
    return MatchLine{number, QString(), {{start, length}}};
}

// The characters of the document drawn on the highlight colour.
QString highlighted(const QTextDocument *document)
{
    QString text;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
        text += WindowTest::textOn(block, WindowTest::highlightColour());
    return text;
}

} // namespace

// The preview: matches and file pages with find bars, and the pane that marks where the matches are.
class FilePreviewPageTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    // Writes `bytes` to the file `name` and shows it in `page` with `lines` marked; true once it is shown.
    // `encoding`: a converter's, which the matches carry.
    bool show(FilePreviewPage &page, const QString &name, const QByteArray &bytes, const QList<MatchLine> &lines,
              const QString &encoding = QString())
    {
        const QString path = m_dir.filePath(name);
        if (!bytes.isNull() && !TestFiles::write(path, bytes))
            return false;
        QSignalSpy shown(&page, &FilePreviewPage::fileShown);
        page.showFile(ContentMatches{path, !encoding.isEmpty(), 0, lines, encoding});
        return shown.wait(60000) && shown.count() == 1 && page.textEdit()->placeholderText().isEmpty();
    }

    // A shown page holding `count` lines, so the scroll bar has its range.
    bool showLines(FilePreviewPage &page, int count)
    {
        page.resize(400, 300);
        page.show();
        return show(page, QStringLiteral("lines.txt"), QByteArray("line\n").repeated(count - 1) + "last", {})
            && QTest::qWaitForWindowExposed(&page) && page.locationPane()->total() == count;
    }

private slots:
    void initTestCase() { WindowTest::pinLocale(); }

    void detectedEncoding()
    {
        const QByteArray bytes = TestFiles::toUtf16BE(QStringLiteral("alpha\r\nbeta gamma caf\u00e9\nend with spaces"));
        FilePreviewPage page;
        QVERIFY(show(page, QStringLiteral("text.txt"), bytes, {matchLine(1, 5, 5)}));
        QCOMPARE(page.textEdit()->toPlainText(),
                 QStringLiteral("alpha\nbeta gamma caf\u00e9\nend with spaces"));
        QCOMPARE(highlighted(page.textEdit()->document()), QStringLiteral("gamma"));
        QCOMPARE(page.locationPane()->total(), 3);
        QCOMPARE(page.locationPane()->marks(), (Marks{{1, 1}}));
        QVERIFY(page.noticeLabel()->isHidden());
    }

    // A converter's 16-bit output with too few blanks to be recognised is read in the encoding the converter named.
    void converterEncoding()
    {
        const QByteArray bytes = TestFiles::toUtf16BE(QStringLiteral("\u00dcberschrift\nzweite-Zeile"));
        QVERIFY(EncodingDetector::detectSample(bytes) != QLatin1String("UTF-16BE"));
        FilePreviewPage page;
        QVERIFY(show(page, QStringLiteral("converted.txt"), bytes, {}, QStringLiteral("UTF-16BE")));
        QCOMPARE(page.textEdit()->toPlainText(), QStringLiteral("\u00dcberschrift\nzweite-Zeile"));
    }

    // A file past the limit shows its head and says so; marks beyond the head are dropped.
    void largeFileIsCut()
    {
        const QByteArray line = QByteArray(99, 'x') + '\n';
        const int lines = int(FileTextReader::kByteLimit / line.size()) + 1000;
        FilePreviewPage page;
        QVERIFY(show(page, QStringLiteral("big.log"), line.repeated(lines),
                     {matchLine(10, 0, 3), matchLine(lines - 10, 0, 3)}));
        const QTextDocument *document = page.textEdit()->document();
        QVERIFY(document->characterCount() <= FileTextReader::kByteLimit + 1);
        QVERIFY(document->blockCount() < lines);
        QVERIFY(!page.noticeLabel()->isHidden());
        QVERIFY(page.noticeLabel()->text().contains(QStringLiteral("only its first 16 MiB")));
        QCOMPARE(page.locationPane()->total(), document->blockCount());
        QCOMPARE(page.locationPane()->marks(), (Marks{{10, 1}}));
    }

    // A line too long to lay out quickly is cut; a match past the cut is not highlighted, one before it is.
    void longLineIsCut()
    {
        QByteArray line(3 * FileTextReader::kMaxLineLength, 'a');
        line.replace(5, 3, "hit").replace(2 * FileTextReader::kMaxLineLength, 3, "hit");
        MatchLine hits = matchLine(1, 5, 3);
        hits.positions.append({2 * FileTextReader::kMaxLineLength, 3});
        FilePreviewPage page;
        QVERIFY(show(page, QStringLiteral("minified.js"), "short\n" + line + "\nlast", {hits}));
        const QTextDocument *document = page.textEdit()->document();
        QCOMPARE(document->blockCount(), 3);
        QCOMPARE(document->findBlockByNumber(1).text().size(), FileTextReader::kMaxLineLength + 1);
        QCOMPARE(document->findBlockByNumber(2).text(), QStringLiteral("last"));
        QCOMPARE(highlighted(document), QStringLiteral("hit"));
        QVERIFY(page.noticeLabel()->text().contains(QStringLiteral("are cut")));
    }

    void missingFile()
    {
        FilePreviewPage page;
        QVERIFY(show(page, QStringLiteral("gone.txt"), QByteArray(), {matchLine(0, 0, 1)}));
        QVERIFY(page.noticeLabel()->text().contains(QStringLiteral("cannot be opened")));
        QCOMPARE(page.locationPane()->total(), 0);
    }

    // Only the newest request is shown, even when an older read finishes.
    void newerFileWins()
    {
        const QString first = m_dir.filePath(QStringLiteral("first.txt"));
        QVERIFY(TestFiles::write(first, QByteArray("first\n").repeated(200000)));
        FilePreviewPage page;
        page.showFile(ContentMatches{first, false, 0, {}, {}});
        page.clear();
        page.showFile(ContentMatches{first, false, 0, {}, {}});
        QVERIFY(show(page, QStringLiteral("second.txt"), "second", {}));
        QCOMPARE(page.textEdit()->toPlainText(), QStringLiteral("second"));
    }

    void marks_data()
    {
        QTest::addColumn<QList<int>>("lines");
        QTest::addColumn<Marks>("expected");
        QTest::newRow("two runs") << QList<int>{10, 11, 12, 40} << Marks{{10, 3}, {40, 1}};
        QTest::newRow("none") << QList<int>{} << Marks{};
        QTest::newRow("gap of one line") << QList<int>{0, 2, 3} << Marks{{0, 1}, {2, 2}};
    }

    void marks()
    {
        QFETCH(QList<int>, lines);
        LocationPane pane;
        pane.setLines(100, lines);
        QTEST(pane.marks(), "expected");
    }

    void mousePress_data()
    {
        QTest::addColumn<double>("fraction");
        QTest::newRow("top") << 0.0;
        QTest::newRow("middle") << 0.5;
        QTest::newRow("bottom") << 1.0;
    }

    // Pressing centres the view's share of the file there: its top at 'fraction' of the free height scrolls there.
    void mousePress()
    {
        QFETCH(double, fraction);
        FilePreviewPage page;
        QVERIFY(showLines(page, 1000));
        LocationPane *pane = page.locationPane();
        const QScrollBar *bar = page.textEdit()->verticalScrollBar();
        QVERIFY(bar->maximum() > 500);
        const QRect inner = pane->innerArea();
        const int share = inner.height() * pane->visibleLines() / 1000;
        const int y = inner.y() + share / 2 + qRound(fraction * (inner.height() - share - 1));
        QTest::mousePress(pane, Qt::LeftButton, {}, QPoint(inner.center().x(), y));
        QVERIFY(qAbs(bar->value() - fraction * bar->maximum()) <= 0.01 * bar->maximum());
    }

    void emptyFileIgnoresMouse()
    {
        FilePreviewPage page;
        QVERIFY(showLines(page, 1000));
        LocationPane *pane = page.locationPane();
        page.textEdit()->verticalScrollBar()->setValue(7);
        pane->clear();
        QTest::mousePress(pane, Qt::LeftButton, {}, pane->innerArea().bottomLeft());
        QCOMPARE(page.textEdit()->verticalScrollBar()->value(), 7);
        QCOMPARE(pane->grab().toImage().pixel(pane->innerArea().center()), qRgb(255, 255, 255));
    }

    void previewShowsAndClearsBothPages()
    {
        const QString path = m_dir.filePath(QStringLiteral("notes.txt"));
        QVERIFY(TestFiles::write(path, "first line\nsecond hit line\n"));
        PreviewTabWidget preview;
        QSignalSpy shown(preview.filePage(), &FilePreviewPage::fileShown);
        preview.showMatches(ContentMatches{path, false, 2, {{1, QStringLiteral("second hit line"), {{7, 3}}}}, {}});
        QCOMPARE(preview.matchesView()->toPlainText(), QStringLiteral("2\tsecond hit line\n"));
        QVERIFY(shown.wait(60000));
        QCOMPARE(preview.filePage()->textEdit()->toPlainText(), QStringLiteral("first line\nsecond hit line"));
        preview.clear();
        QVERIFY(preview.matchesView()->toPlainText().isEmpty());
        QVERIFY(preview.filePage()->textEdit()->toPlainText().isEmpty());
        QCOMPARE(preview.filePage()->locationPane()->total(), 0);
    }

    void findKeys_data()
    {
        QTest::addColumn<bool>("matchCase");
        QTest::addColumn<QList<int>>("hits"); // selection starts after Ctrl+F, F3, F3, F3, Shift+F3
        QTest::newRow("any case") << false << QList<int>{4, 12, 20, 4, 20};
        QTest::newRow("match case") << true << QList<int>{4, 20, 4, 20, 4};
    }

    // The keys reach the bar from anywhere inside the page.
    void findKeys()
    {
        QFETCH(bool, matchCase);
        QFETCH(QList<int>, hits);
        PreviewTabWidget preview;
        QVERIFY(show(*preview.filePage(), QStringLiteral("find.txt"), "One two\none TWO\none two", {}));
        preview.setCurrentIndex(1);
        preview.show();
        QApplication::setActiveWindow(&preview);
        QVERIFY(QTest::qWaitForWindowActive(&preview));
        QPlainTextEdit *editor = preview.filePage()->textEdit();
        FindBar *bar = preview.filePage()->findBar();
        editor->setFocus();
        QTest::keyClick(editor, Qt::Key_F, Qt::ControlModifier);
        QTRY_VERIFY(bar->lineEdit()->hasFocus());
        QVERIFY(!preview.matchesFindBar()->isVisible());
        bar->lineEdit()->setText(QStringLiteral("three"));
        QVERIFY(!bar->findNext());
        QVERIFY(!bar->findPrevious());
        QVERIFY(!editor->textCursor().hasSelection());
        bar->lineEdit()->clear();
        bar->caseCheckBox()->setChecked(matchCase);
        QTest::keyClicks(bar->lineEdit(), QStringLiteral("two"));
        QCOMPARE(editor->textCursor().selectionStart(), hits.at(0));
        QCOMPARE(editor->textCursor().selectedText().toLower(), QStringLiteral("two"));
        for (int i = 1; i < 4; ++i) {
            QTest::keyClick(editor, Qt::Key_F3);
            QCOMPARE(editor->textCursor().selectionStart(), hits.at(i));
        }
        QTest::keyClick(bar->lineEdit(), Qt::Key_F3, Qt::ShiftModifier);
        QCOMPARE(editor->textCursor().selectionStart(), hits.at(4));
        QTest::keyClick(bar->lineEdit(), Qt::Key_Escape);
        QVERIFY(bar->isHidden());
        QVERIFY(editor->hasFocus());
    }
};

QTEST_MAIN(FilePreviewPageTest)
#include "FilePreviewPageTest.moc"
