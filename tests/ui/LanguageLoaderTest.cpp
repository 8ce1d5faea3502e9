#include "app/Settings.h"
#include "ui/LanguageLoader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTest>

// The loader looks for "languages/<code>.qm" beside the test program, so
// the test puts its own small translation files there.
class LanguageLoaderTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void loadsOrFallsBackToEnglish_data();
    void loadsOrFallsBackToEnglish();
    void frameworkLocaleOfTheProgramsCodes_data();
    void frameworkLocaleOfTheProgramsCodes();

private:
    QString m_folder;
};

void LanguageLoaderTest::initTestCase()
{
    m_folder = QCoreApplication::applicationDirPath() + QStringLiteral("/languages");
    QVERIFY(QDir().mkpath(m_folder));
    // The compiled translations of the program are used as they are.
    for (const char *code : {"en", "de"}) {
        const QString source = QStringLiteral(TVQ_LANGUAGES_DIR "/%1.qm").arg(QLatin1String(code));
        const QString target = m_folder + QStringLiteral("/%1.qm").arg(QLatin1String(code));
        QFile::remove(target);
        QVERIFY2(QFile::copy(source, target), qPrintable(source));
    }
}

void LanguageLoaderTest::cleanupTestCase()
{
    QDir(m_folder).removeRecursively();
}

void LanguageLoaderTest::loadsOrFallsBackToEnglish_data()
{
    QTest::addColumn<QString>("requested");
    QTest::addColumn<QString>("loaded");
    QTest::addColumn<QString>("newSearch");
    QTest::newRow("german") << "de" << "de" << "Neue Suche";
    QTest::newRow("missing file") << "xx" << "en" << "New search";
    QTest::newRow("nothing stored yet") << "" << "en" << "New search";
}

void LanguageLoaderTest::loadsOrFallsBackToEnglish()
{
    QFETCH(QString, requested);
    QFETCH(QString, loaded);
    QFETCH(QString, newSearch);
    LanguageLoader loader;
    QCOMPARE(loader.load(requested), loaded);
    QCOMPARE(Settings::instance()->value(Settings::Language).toString(), loaded);
    QCOMPARE(QCoreApplication::translate("MainWindow", "New search"), newSearch);
}

void LanguageLoaderTest::frameworkLocaleOfTheProgramsCodes_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("locale");
    QTest::newRow("Chinese Simplified") << "cs" << "zh_CN";
    QTest::newRow("Czech") << "cz" << "cs";
    QTest::newRow("German") << "de" << "de";
}

void LanguageLoaderTest::frameworkLocaleOfTheProgramsCodes()
{
    QFETCH(QString, code);
    QFETCH(QString, locale);
    QCOMPARE(LanguageLoader::frameworkLocale(code), locale);
}

QTEST_GUILESS_MAIN(LanguageLoaderTest)
#include "LanguageLoaderTest.moc"
