#include "WindowTestSupport.h"

#include "base/MetaTypes.h"
#include "query/FileSearchRequest.h"
#include "query/FileSearchResults.h"
#include "search/FileSearcher.h"
#include "support/TempTree.h"
#include "ui/InstantToolBar.h"
#include "ui/FileTable.h"
#include "ui/FileTableModel.h"
#include "ui/SearchWindow.h"
#include "ui/TabPage.h"

#include <QRegularExpression>

// One tab over a real searcher without an index, searching a temporary folder.
class TabPageTest : public QObject
{
    Q_OBJECT

    TempTree m_tree{{"alpha.txt", "alpha.md", "beta.txt"}};
    std::unique_ptr<QWidget> m_window;
    SearchWindow *m_panel = nullptr;
    std::shared_ptr<FileSearcher> m_searcher;
    TabPage *m_tab = nullptr;

    void startSearchFor(const QString &name)
    {
        m_panel->findChild<QComboBox *>(QStringLiteral("fileNameComboBox"))->setEditText(name);
        m_tab->find();
    }

    QString findButtonText() const { return m_panel->findChild<QPushButton *>(QStringLiteral("findButton"))->text(); }

private slots:
    void initTestCase()
    {
        WindowTest::pinLocale();
        registerMetaTypes();
    }

    void init()
    {
        m_window = std::make_unique<QWidget>();
        m_panel = new SearchWindow(m_window.get());
        auto *instantBar = new InstantToolBar(m_window.get());
        m_searcher = std::make_shared<FileSearcher>(m_tree.path(), 0);
        m_tab = new TabPage(m_window.get(), m_panel, instantBar, m_searcher, 7, m_window.get());
        m_tab->setUnindexedDefaultFolder(m_tree.path());
        m_tab->activate();
        m_window->show();
    }

    void cleanup()
    {
        m_window.reset();
        m_searcher.reset();
    }

    void findWhileSearchingCancelsAndStartsNothing()
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

    void finishedSearchIsCounted_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("status");
        QTest::addColumn<bool>("found");
        QTest::newRow("nothing") << "no-such-name" << "^Found: 0 objects in 0s$" << false;
        QTest::newRow("two files") << "alpha" << "^Found: 2 objects in \\d+s$" << true;
    }

    void finishedSearchIsCounted()
    {
        QFETCH(QString, name);
        QFETCH(QString, status);
        QFETCH(bool, found);
        m_searcher->init(IndexingSettings(), ContentSearchSettings());
        QSignalSpy finished(m_searcher.get(), &FileSearcher::findFinished);
        QSignalSpy ended(m_tab, &TabPage::searchEnded);
        startSearchFor(name);
        QVERIFY(finished.wait());
        QCOMPARE(finished.first().first().toInt(), m_tab->requestId());
        m_tab->onFindFinished();
        m_tab->onFindFinished();
        QCOMPARE(ended.count(), 1);
        QCOMPARE(m_tab->state(), TabPage::Finished);
        QVERIFY2(QRegularExpression(status).match(m_tab->statusText()).hasMatch(), qPrintable(m_tab->statusText()));
        QCOMPARE(m_tab->hasRows(), found);
        QCOMPARE(m_tab->isPreviewOpen(), found);
        QCOMPARE(m_tab->title(), name);
        // A second finish for the same tab is not its search any more.
        QCOMPARE(m_tab->requestId(), -1);
        QCOMPARE(findButtonText(), QStringLiteral("Done"));
        if (!found)
            return;
        // "Done" stays a moment, then the button offers a new search.
        QTRY_COMPARE(findButtonText(), QStringLiteral("Search"));
        QCOMPARE(m_tab->state(), TabPage::Finished);
    }

    // Typing keeps the rows of the text before on show until the new search has rows of its own (or
    // ends, or is dropped, which goes back to them); Return empties the table at once.
    void typedSearchKeepsRowsUntilItsOwnArrive_data()
    {
        QTest::addColumn<bool>("typed");
        QTest::addColumn<bool>("canceled");
        QTest::newRow("typed") << true << false;
        QTest::newRow("typed, canceled") << true << true;
        QTest::newRow("Return") << false << false;
    }

    void typedSearchKeepsRowsUntilItsOwnArrive()
    {
        QFETCH(bool, typed);
        QFETCH(bool, canceled);
        m_searcher->init(IndexingSettings(), ContentSearchSettings());
        QSignalSpy finished(m_searcher.get(), &FileSearcher::findFinished);
        startSearchFor(QStringLiteral("alpha"));
        QVERIFY(finished.wait());
        m_tab->onFindFinished();
        const QStringList alpha = shownNames();
        QCOMPARE(alpha.size(), 2);

        auto *request = new FileSearchRequest;
        request->name = QStringLiteral("beta");
        m_tab->startSearch(request, typed);
        QCOMPARE(shownNames(), typed ? alpha : QStringList());
        QCOMPARE(m_tab->showsSearchRows(), !typed);
        // Typed, it says nothing of being busy unless it takes long (see below); the status keeps the count
        // that goes with the rows on show.
        QCOMPARE(m_tab->statusText().startsWith(QStringLiteral("Found: 2 ")), typed);
        QCOMPARE(findButtonText(), typed ? QStringLiteral("Search") : QStringLiteral("Cancel"));
        if (canceled) {
            m_tab->cancel();
            QCOMPARE(m_tab->results()->count(), 2);
            QCOMPARE(shownNames(), alpha);
            return;
        }
        QVERIFY(finished.wait());
        m_tab->onFindFinished();
        QCOMPARE(shownNames(), QStringList{QStringLiteral("beta.txt")});
        QVERIFY(m_tab->showsSearchRows());
        QVERIFY(m_tab->statusText().startsWith(QStringLiteral("Found: 1 ")));
        QCOMPARE(findButtonText(), typed ? QStringLiteral("Search") : QStringLiteral("Done"));
    }

    // A typed search still running after a moment says it is busy; the next key's search then goes on saying so,
    // without the status or the button going back and forth.
    void longTypedSearchesSayTheyAreBusy()
    {
        // The searcher was never initialised, so a search waits and stays running.
        auto *request = new FileSearchRequest;
        request->name = QStringLiteral("alpha");
        m_tab->startSearch(request, /*typed=*/true);
        QCOMPARE(m_tab->state(), TabPage::Searching);
        QCOMPARE(m_tab->statusText(), QString());
        QCOMPARE(findButtonText(), QStringLiteral("Search"));
        QTRY_COMPARE(m_tab->statusText(), QStringLiteral("Searching..."));
        QCOMPARE(findButtonText(), QStringLiteral("Cancel"));

        QSignalSpy status(m_tab, &TabPage::statusTextChanged);
        request = new FileSearchRequest;
        request->name = QStringLiteral("alphab");
        m_tab->startSearch(request, /*typed=*/true);
        QCOMPARE(m_tab->state(), TabPage::Searching);
        QCOMPARE(findButtonText(), QStringLiteral("Cancel"));
        QCOMPARE(status.count(), 0);
        m_tab->cancel();
        QCOMPARE(findButtonText(), QStringLiteral("Search"));
    }

private:
    QStringList shownNames() const
    {
        QStringList names;
        const QAbstractItemModel *model = m_tab->table()->model();
        for (int row = 0; row < model->rowCount(); ++row)
            names << model->index(row, 0).data(Qt::EditRole).toString();
        names.sort();
        return names;
    }
};

QTEST_MAIN(TabPageTest)
#include "TabPageTest.moc"
