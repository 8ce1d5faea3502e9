#include "app/Logger.h"
#include "content/PDFConverter.h"
#include "support/TestFiles.h"

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
    QString m_temp;
    // Remembers the encoding name per program: each test's stand-in has a folder of its own.
    PDFConverter m_converter;

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
        TestFiles::startLog(m_dir);
        m_temp = m_dir.filePath(QStringLiteral("Talvenquist"));
        QVERIFY(QDir().mkpath(m_temp));
        m_converter.setTempFolder(m_temp);
        QVERIFY2(!QFile::exists(PDFConverter::bundledProgramPath()), "a bundled pdftotext would hide the PATH");
    }

    // The search then reads the document as it is; nothing is left in the temporary folder.
    void failures_data()
    {
        QTest::addColumn<QByteArray>("program"); // empty: none on the PATH
        QTest::newRow("missing program") << QByteArray();
        QTest::newRow("document refused") << QByteArray("exit 1");
    }

    void failures()
    {
        QFETCH(QByteArray, program);
        const QString tag = QString::fromLatin1(QTest::currentDataTag());
        const QString folder = program.isEmpty() ? m_dir.filePath(tag) : fakeProgram(tag, "UTF-16\\n", program);
        QVERIFY(!folder.isEmpty());
        PathOverride path(folder);
        const int files = filesInTemp();
        QString outputFile;
        QVERIFY(!m_converter.convert(m_dir.filePath(QStringLiteral("any.pdf")), nullptr, &outputFile, nullptr,
                                   QString(), nullptr));
        QVERIFY(outputFile.isEmpty());
        QCOMPARE(filesInTemp(), files);
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
        const QString pdf = m_dir.filePath(QStringLiteral("in.pdf"));
        QString outputFile;
        QVERIFY(m_converter.convert(pdf, nullptr, &outputFile, nullptr, QString(), nullptr));
        QCOMPARE(QString::fromUtf8(TestFiles::read(folder + QStringLiteral("/args.txt"))).trimmed(),
                 QStringLiteral("%1 -enc %2 %3").arg(pdf, expected, outputFile));
        const QTextCodec *codec = QTextCodec::codecForName(m_converter.encoding().toLatin1());
        QVERIFY(codec);
        QCOMPARE(codec->toUnicode(TestFiles::read(outputFile)), QStringLiteral("hi"));
        QVERIFY(QFile::remove(outputFile));
    }

    void cancellationStopsTheProgram()
    {
        const QString folder = fakeProgram(QStringLiteral("slow"), "UTF-16\\n", "exec /bin/sleep 60");
        QVERIFY(!folder.isEmpty());
        PathOverride path(folder);
        const int files = filesInTemp();
        ToPlainTextConverter::CancelFlag cancel{0};
        std::thread canceler([&cancel] {
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
            cancel = 1;
        });
        QString outputFile;
        const bool converted = m_converter.convert(m_dir.filePath(QStringLiteral("in.pdf")), nullptr, &outputFile,
                                                 nullptr, QString(), &cancel);
        canceler.join();
        // Left to run, the program would end well and the conversion succeed.
        QVERIFY(!converted);
        QCOMPARE(filesInTemp(), files);
        // The program ran and was stopped, rather than failing on its own.
        QVERIFY(QFile::exists(folder + QStringLiteral("/args.txt")));
    }
};

QTEST_MAIN(PDFConverterTest)
#include "PDFConverterTest.moc"
