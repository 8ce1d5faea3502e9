#include "WindowTestSupport.h"

#include "ui/LanguageLoader.h"

// The loader looks for "languages/<code>.qm" beside the program, where the test puts the compiled ones.
class LanguageLoaderTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(WindowTest::installTranslation(QStringLiteral("en")));
        QVERIFY(WindowTest::installTranslation(QStringLiteral("de")));
    }

    void loadsOrFallsBackToEnglish_data()
    {
        QTest::addColumn<QString>("requested");
        QTest::addColumn<QString>("loaded");
        QTest::addColumn<QString>("newSearch");
        QTest::newRow("german") << "de" << "de" << "Neue Suche";
        QTest::newRow("missing file") << "xx" << "en" << "New search";
        QTest::newRow("nothing stored yet") << "" << "en" << "New search";
    }

    void loadsOrFallsBackToEnglish()
    {
        QFETCH(QString, requested);
        QFETCH(QString, loaded);
        LanguageLoader loader;
        QCOMPARE(loader.load(requested), loaded);
        QCOMPARE(Settings::instance()->value(Settings::Language).toString(), loaded);
        QTEST(QCoreApplication::translate("MainWindow", "New search"), "newSearch");
    }
};

QTEST_GUILESS_MAIN(LanguageLoaderTest)
#include "LanguageLoaderTest.moc"
