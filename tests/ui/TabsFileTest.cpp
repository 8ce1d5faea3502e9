#include "ui/TabsFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TabsFileTest : public QObject
{
    Q_OBJECT
private slots:
    void writesExactBytes_data();
    void writesExactBytes();
    void readsWhatItWrote();
    void firstElementOtherThanTabsGivesNoTabs();
    void missingFileIsNotRead();

private:
    QByteArray readAll(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QTemporaryDir m_dir;
};

static TabParameters tab(const QString &name, const QString &folder)
{
    // Inserted out of order on purpose: entries are written sorted by name.
    return {{QStringLiteral("sizeCheckBox"), QStringLiteral("0")},
            {QStringLiteral("fileNameComboBox"), name},
            {QStringLiteral("directoryComboBox"), folder}};
}

void TabsFileTest::writesExactBytes_data()
{
    QTest::addColumn<QList<TabParameters>>("tabs");
    QTest::addColumn<int>("current");
    QTest::addColumn<QByteArray>("expected");
    const QList<TabParameters> two = {tab("a&b", "/usr"), tab("\"x\" <y>", "")};
    QTest::newRow("two tabs") << two << 1
                              << QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                            "<tabs current_tab=\"1\" version=\"1.0\">\n"
                                            "    <tab>\n"
                                            "        <directoryComboBox value=\"/usr\"/>\n"
                                            "        <fileNameComboBox value=\"a&amp;b\"/>\n"
                                            "        <sizeCheckBox value=\"0\"/>\n"
                                            "    </tab>\n"
                                            "    <tab>\n"
                                            "        <directoryComboBox value=\"\"/>\n"
                                            "        <fileNameComboBox value=\"&quot;x&quot; &lt;y&gt;\"/>\n"
                                            "        <sizeCheckBox value=\"0\"/>\n"
                                            "    </tab>\n"
                                            "</tabs>\n");
    QTest::newRow("no tabs") << QList<TabParameters>() << 0
                             << QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                           "<tabs current_tab=\"0\" version=\"1.0\"/>\n");
}

void TabsFileTest::writesExactBytes()
{
    QFETCH(QList<TabParameters>, tabs);
    QFETCH(int, current);
    QFETCH(QByteArray, expected);
    const QString path = m_dir.filePath(QStringLiteral("sub/Tabs.xml"));
    QVERIFY(TabsFile::write(path, {current, tabs}));
    QCOMPARE(readAll(path), expected);
}

void TabsFileTest::readsWhatItWrote()
{
    const QString path = m_dir.filePath(QStringLiteral("Tabs.xml"));
    const QList<TabParameters> tabs = {tab("a&b", "/usr"), tab("\"x\" <y>", ""), {}};
    QVERIFY(TabsFile::write(path, {2, tabs}));
    TabsFile::Contents contents;
    QVERIFY(TabsFile::read(path, &contents));
    QCOMPARE(contents.currentTab, 2);
    QCOMPARE(contents.tabs, tabs);
}

void TabsFileTest::firstElementOtherThanTabsGivesNoTabs()
{
    const QString path = m_dir.filePath(QStringLiteral("Other.xml"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("<?xml version=\"1.0\"?><windows current_tab=\"3\"><tab><a value=\"1\"/></tab></windows>");
    file.close();
    TabsFile::Contents contents{5, {tab("x", "y")}};
    QVERIFY(TabsFile::read(path, &contents));
    QCOMPARE(contents.currentTab, 0);
    QVERIFY(contents.tabs.isEmpty());
}

void TabsFileTest::missingFileIsNotRead()
{
    TabsFile::Contents contents;
    QVERIFY(!TabsFile::read(m_dir.filePath(QStringLiteral("none.xml")), &contents));
}

QTEST_GUILESS_MAIN(TabsFileTest)
#include "TabsFileTest.moc"
