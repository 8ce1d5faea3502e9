#include "app/MetaTypes.h"
#include "search/FileSearcher.h"
#include "ui/InstantToolBar.h"
#include "ui/SearchWindow.h"
#include "ui/TabPage.h"

#include <QComboBox>
#include <QLocale>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// One tab over a real searcher without an index, searching a temporary
// folder given through the panel.
class TabPageTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void idIsKept();
    void findWhileSearchingCancelsAndStartsNothing();
    void emptyResultReportsZeroObjectsInZeroSeconds();
    void buttonShowsDoneThenSearch();
    void resultsAreCountedInTheStatus();

private:
    void startSearchFor(const QString &name);
    // Searches for `name` with a ready searcher and hands the tab its end.
    bool searchToTheEnd(const QString &name);
    QString findButtonText() const;

    QTemporaryDir m_dir;
    std::unique_ptr<QWidget> m_window;
    SearchWindow *m_panel = nullptr;
    InstantToolBar *m_instantBar = nullptr;
    std::shared_ptr<FileSearcher> m_searcher;
    TabPage *m_tab = nullptr;
};

void TabPageTest::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    registerMetaTypes();
    for (const char *name : {"alpha.txt", "alpha.md", "beta.txt"}) {
        QFile file(m_dir.filePath(QLatin1String(name)));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
}

void TabPageTest::init()
{
    m_window = std::make_unique<QWidget>();
    m_panel = new SearchWindow(m_window.get());
    m_instantBar = new InstantToolBar(m_window.get());
    m_searcher = std::make_shared<FileSearcher>(m_dir.path(), 0);
    m_tab = new TabPage(m_window.get(), m_panel, m_instantBar, m_searcher, 7, m_window.get());
    m_tab->setUnindexedDefaultFolder(m_dir.path());
    m_tab->activate();
    m_window->show();
}

void TabPageTest::cleanup()
{
    m_window.reset();
    m_searcher.reset();
}

void TabPageTest::startSearchFor(const QString &name)
{
    m_panel->findChild<QComboBox *>(QStringLiteral("fileNameComboBox"))->setEditText(name);
    m_tab->find();
}

bool TabPageTest::searchToTheEnd(const QString &name)
{
    m_searcher->init(IndexingSettings(), ContentSearchSettings());
    QSignalSpy finished(m_searcher.get(), &FileSearcher::findFinished);
    startSearchFor(name);
    if (!finished.wait() || finished.first().first().toInt() != m_tab->requestId())
        return false;
    m_tab->onFindFinished();
    return true;
}

QString TabPageTest::findButtonText() const
{
    return m_panel->findChild<QPushButton *>(QStringLiteral("findButton"))->text();
}

void TabPageTest::idIsKept()
{
    QCOMPARE(m_tab->id(), 7);
    QCOMPARE(m_tab->state(), TabPage::Idle);
}

void TabPageTest::findWhileSearchingCancelsAndStartsNothing()
{
    // The searcher was never initialised, so a search waits and stays running.
    QSignalSpy status(m_tab, &TabPage::statusTextChanged);
    startSearchFor(QStringLiteral("alpha"));
    QCOMPARE(m_tab->state(), TabPage::Searching);
    QVERIFY(m_tab->requestId() >= 0);
    QCOMPARE(m_tab->statusText(), QStringLiteral("Searching..."));
    QCOMPARE(findButtonText(), QStringLiteral("Cancel"));

    m_tab->find();
    QCOMPARE(m_tab->state(), TabPage::Idle);
    QCOMPARE(m_tab->requestId(), -1);
    QCOMPARE(m_tab->statusText(), QString());
    QCOMPARE(findButtonText(), QStringLiteral("Search"));
    QVERIFY(!m_searcher->isSearching());
    QCOMPARE(status.count(), 2);
}

void TabPageTest::emptyResultReportsZeroObjectsInZeroSeconds()
{
    QVERIFY(searchToTheEnd(QStringLiteral("no-such-name")));
    QCOMPARE(m_tab->state(), TabPage::Finished);
    QCOMPARE(m_tab->statusText(), QStringLiteral("Found: 0 objects in 0s"));
    QVERIFY(!m_tab->isPreviewOpen());
    QCOMPARE(m_tab->title(), QStringLiteral("no-such-name"));
}

void TabPageTest::buttonShowsDoneThenSearch()
{
    QVERIFY(searchToTheEnd(QStringLiteral("beta")));
    QCOMPARE(findButtonText(), QStringLiteral("Done"));
    QTRY_COMPARE(findButtonText(), QStringLiteral("Search"));
    QCOMPARE(m_tab->state(), TabPage::Finished);
}

void TabPageTest::resultsAreCountedInTheStatus()
{
    QVERIFY(searchToTheEnd(QStringLiteral("alpha")));
    QVERIFY2(QRegularExpression(QStringLiteral("^Found: 2 objects in \\d+s$")).match(m_tab->statusText()).hasMatch(),
             qPrintable(m_tab->statusText()));
    QVERIFY(m_tab->hasRows());
    QVERIFY(m_tab->isPreviewOpen());
    // A second finish for the same tab is not its search any more.
    QCOMPARE(m_tab->requestId(), -1);
}

QTEST_MAIN(TabPageTest)
#include "TabPageTest.moc"
