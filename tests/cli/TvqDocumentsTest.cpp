#include "support/TempTree.h"
#include "support/TestDocuments.h"

#include <QProcess>
#include <QSet>
#include <QSettings>
#include <QtTest>

// tvq searching office documents through the helper program installed
// beside it, as a user would run it.
class TvqDocumentsTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_data;
    TempTree m_tree;

    QString settingsFile() const { return m_data.path() + QStringLiteral("/Settings.ini"); }

    QByteArray run(const QStringList &arguments, int *status)
    {
        QProcess process;
        process.start(QStringLiteral(TVQ_BINARY), QStringList{"--settings", settingsFile()} + arguments);
        if (!process.waitForFinished(60000))
            process.kill();
        *status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        return process.readAllStandardOutput();
    }

    QSet<QString> found(const QString &word)
    {
        int status = -1;
        const QStringList lines = QString::fromUtf8(run({"--no-index", "--contents", word, "--in", m_tree.path()}, &status))
                                      .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        return QSet<QString>(lines.begin(), lines.end());
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_data.isValid());
        QVERIFY(QFile::exists(QFileInfo(QStringLiteral(TVQ_BINARY)).absolutePath() + "/talvenquist-helper"));
        const QByteArray word = "xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\"";
        QVERIFY(TestDocuments::writeZip(m_tree.path("report.docx"),
                                        {{"word/document.xml", "<w:document " + word + "><w:body><w:p><w:r><w:t>First"
                                                               "</w:t></w:r></w:p><w:p><w:r><w:t>the Quokka line</w:t>"
                                                               "</w:r></w:p></w:body></w:document>"}}));
        QVERIFY(TestDocuments::writeZip(
            m_tree.path("notes.odt"),
            {{"content.xml", "<office:document-content xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
                             "xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\"><office:body><office:text>"
                             "<text:p>about a quokka</text:p></office:text></office:body></office:document-content>"}}));
        QVERIFY(TestDocuments::writeZip(m_tree.path("other.docx"),
                                        {{"word/document.xml", "<w:document " + word + "><w:body><w:p><w:r><w:t>wombat"
                                                               "</w:t></w:r></w:p></w:body></w:document>"}}));
    }

    // The words live only in the archives' compressed XML: plain reading
    // would find nothing.
    void contentsFindWordsInsideDocuments()
    {
        QCOMPARE(found(QStringLiteral("quokka")), QSet<QString>({m_tree.path("report.docx"), m_tree.path("notes.odt")}));
        QCOMPARE(found(QStringLiteral("wombat")), QSet<QString>({m_tree.path("other.docx")}));
    }

    void matchesShowTheDocumentsLine()
    {
        int status = -1;
        const QByteArray out = run({"--contents", "quokka", "--matches", m_tree.path("report.docx")}, &status);
        QCOMPARE(status, 0);
        QCOMPARE(out, QByteArray("2\tthe Quokka line\n"));
    }

    void disabledExtensionIsNotConverted()
    {
        {
            QSettings settings(settingsFile(), QSettings::IniFormat);
            settings.beginWriteArray(QStringLiteral("IFilters/DisabledExtensions64"));
            settings.setArrayIndex(0);
            settings.setValue(QStringLiteral("value"), QStringLiteral("docx"));
            settings.endArray();
        }
        QCOMPARE(found(QStringLiteral("quokka")), QSet<QString>({m_tree.path("notes.odt")}));
        QFile::remove(settingsFile());
    }
};

QTEST_GUILESS_MAIN(TvqDocumentsTest)
#include "TvqDocumentsTest.moc"
