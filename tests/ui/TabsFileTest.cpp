#include "ui/TabsFile.h"

#include "support/TestFiles.h"

#include <QTemporaryDir>
#include <QTest>

// The bytes of the tabs file; the main window's suite reads it back through the window.
class TabsFileTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    static TabParameters tab(const QString &name, const QString &folder)
    {
        // Inserted out of order on purpose: entries are written sorted by name.
        return {{QStringLiteral("sizeCheckBox"), QStringLiteral("0")},
                {QStringLiteral("fileNameComboBox"), name},
                {QStringLiteral("directoryComboBox"), folder}};
    }

private slots:
    void writesExactBytesAndReadsThemBack_data()
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

    void writesExactBytesAndReadsThemBack()
    {
        QFETCH(QList<TabParameters>, tabs);
        QFETCH(int, current);
        const QString path = m_dir.filePath(QStringLiteral("sub/Tabs.xml"));
        QVERIFY(TabsFile::write(path, {current, tabs}));
        QTEST(TestFiles::read(path), "expected");
        TabsFile::Contents contents;
        QVERIFY(TabsFile::read(path, &contents));
        QCOMPARE(contents.currentTab, current);
        QCOMPARE(contents.tabs, tabs);
        QVERIFY(!TabsFile::read(m_dir.filePath(QStringLiteral("none.xml")), &contents));
    }
};

QTEST_GUILESS_MAIN(TabsFileTest)
#include "TabsFileTest.moc"
