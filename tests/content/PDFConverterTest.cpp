#include "app/Logger.h"
#include "content/PDFConverter.h"
#include "support/TestFiles.h"

#include <QElapsedTimer>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCodec>

#include <thread>

namespace {

// Puts 'folder' alone on the PATH for the lifetime of the object.
class PathOverride
{
public:
    explicit PathOverride(const QString &folder)
        : m_saved(qgetenv("PATH"))
    {
        qputenv("PATH", folder.toLocal8Bit());
    }
    ~PathOverride() { qputenv("PATH", m_saved); }

private:
    QByteArray m_saved;
};

} // namespace

class PDFConverterTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_logPath;
    QString m_temp;

    // A stand-in "pdftotext", alone on the PATH: lists 'encodings' for -listenc, records its arguments, runs 'body'.
    QString fakeProgram(const QString &name, const QByteArray &encodings, const QByteArray &body)
    {
        const QString folder = m_dir.filePath(name);
        const QString program = folder + QStringLiteral("/pdftotext");
        const QByteArray script = "#!/bin/sh\n"
                                  "if [ \"$1\" = -listenc ]; then printf 'Available encodings are:\\n" +
                                  encodings + "'; exit 0; fi\n"
                                  "echo \"$@\" > \"" +
                                  folder.toUtf8() + "/args.txt\"\n" +
                                  body + "\n";
        if (!TestFiles::write(program, script))
            return QString();
        QFile::setPermissions(program, QFile::permissions(program) | QFile::ExeOwner);
        return folder;
    }

    int filesInTemp() const { return QDir(m_temp).entryList(QDir::Files).size(); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_logPath = TestFiles::startLog(m_dir);
        m_temp = m_dir.filePath(QStringLiteral("Talvenquist"));
        QVERIFY(QDir().mkpath(m_temp));
        QVERIFY2(!QFile::exists(PDFConverter::bundledProgramPath()), "a bundled pdftotext would hide the PATH");
    }

    void rejectedDocumentFallsBack()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext is not installed (poppler-utils)");
        const QString pdf = m_dir.filePath(QStringLiteral("broken.pdf"));
        QVERIFY(TestFiles::write(pdf, "not a PDF at all"));
        PDFConverter converter;
        converter.setTempFolder(m_temp);
        const int files = filesInTemp();
        const LogMark log(m_logPath);
        QString outputFile;
        QVERIFY(!converter.convert(pdf, nullptr, &outputFile, nullptr, QString(), nullptr));
        QVERIFY(outputFile.isEmpty());
        QCOMPARE(filesInTemp(), files);
        QVERIFY2(log.has("INFO", "PDFConverter", QStringLiteral("Failed to convert %1 to text, error 1").arg(pdf)),
                 qPrintable(log.lines().join(QLatin1Char('\n'))));
    }

    void missingProgram()
    {
        PathOverride path(m_dir.filePath(QStringLiteral("empty")));
        PDFConverter converter;
        converter.setTempFolder(m_temp);
        const LogMark log(m_logPath);
        QString outputFile;
        QVERIFY(!converter.convert(m_dir.filePath(QStringLiteral("any.pdf")), nullptr, &outputFile, nullptr,
                                   QString(), nullptr));
        const QString message = QStringLiteral("%1 not found").arg(PDFConverter::bundledProgramPath());
        QVERIFY(log.has("WARNING", "PDFConverter", message));
    }

    void passesTheEncodingNameTheProgramKnows_data()
    {
        QTest::addColumn<QByteArray>("encodings");
        QTest::addColumn<QString>("expected");
        QTest::newRow("xpdf") << QByteArray("Latin1\\nUCS-2\\nUTF-8\\n") << QStringLiteral("UCS-2");
        QTest::newRow("poppler") << QByteArray("Latin1\\nUTF-16\\nUTF-8\\n") << QStringLiteral("UTF-16");
    }

    void passesTheEncodingNameTheProgramKnows()
    {
        QFETCH(QByteArray, encodings);
        QFETCH(QString, expected);
        // Writes "hi" as UTF-16BE to the output file named last.
        const QString folder = fakeProgram(QString::fromLatin1(QTest::currentDataTag()), encodings,
                                           "printf '\\000h\\000i' > \"$4\"");
        QVERIFY(!folder.isEmpty());
        PathOverride path(folder);
        PDFConverter converter;
        converter.setTempFolder(m_temp);
        const QString pdf = m_dir.filePath(QStringLiteral("in.pdf"));
        QString outputFile;
        QVERIFY(converter.convert(pdf, nullptr, &outputFile, nullptr, QString(), nullptr));
        QCOMPARE(QString::fromUtf8(TestFiles::read(folder + QStringLiteral("/args.txt"))).trimmed(),
                 QStringLiteral("%1 -enc %2 %3").arg(pdf, expected, outputFile));
        QCOMPARE(QTextCodec::codecForName("UTF16-BE")->toUnicode(TestFiles::read(outputFile)), QStringLiteral("hi"));
        QVERIFY(QFile::remove(outputFile));
    }

    void cancellationStopsTheProgram()
    {
        const QString folder = fakeProgram(QStringLiteral("slow"), "UTF-16\\n", "exec /bin/sleep 60");
        QVERIFY(!folder.isEmpty());
        PathOverride path(folder);
        PDFConverter converter;
        converter.setTempFolder(m_temp);
        const int files = filesInTemp();
        const LogMark log(m_logPath);
        ToPlainTextConverter::CancelFlag cancel{0};
        std::thread canceler([&cancel] {
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
            cancel = 1;
        });
        QElapsedTimer timer;
        timer.start();
        QString outputFile;
        const bool converted = converter.convert(m_dir.filePath(QStringLiteral("in.pdf")), nullptr, &outputFile,
                                                 nullptr, QString(), &cancel);
        const qint64 elapsed = timer.elapsed();
        canceler.join();
        QVERIFY(!converted);
        QCOMPARE(filesInTemp(), files);
        // The program ran and was stopped, rather than failing on its own.
        QVERIFY(QFile::exists(folder + QStringLiteral("/args.txt")));
        QCOMPARE(log.lines(), QStringList());
        // The program would sleep for a minute: returning long before shows the flag was polled while it ran.
        QVERIFY2(elapsed < 20000, qPrintable(QString::number(elapsed)));
    }
};

QTEST_MAIN(PDFConverterTest)
#include "PDFConverterTest.moc"
