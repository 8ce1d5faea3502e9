#include "content/PDFConverter.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCodec>

namespace {

// Puts 'folder' alone on the PATH until the returned guard goes.
auto onlyOnPath(const QString &folder)
{
    const QByteArray saved = qgetenv("PATH");
    qputenv("PATH", folder.toLocal8Bit());
    return qScopeGuard([saved] { qputenv("PATH", saved); });
}

} // namespace

class PDFConverterTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_temp;
    // Remembers the encoding name per program: each test's stand-in has a folder of its own.
    PDFConverter m_converter;

    // A stand-in "pdftotext" that knows poppler's encodings, records its arguments and runs 'body'.
    QString fakeProgram(const QString &name, const QByteArray &body)
    {
        const QString folder = m_dir.filePath(name);
        const QString program = folder + QStringLiteral("/pdftotext");
        const QByteArray script = "#!/bin/sh\n"
                                  "if [ \"$1\" = -listenc ]; then echo asked >> \"" + folder.toUtf8() + "/asked.txt\"\n"
                                  "    printf 'Latin1\\nUTF-16\\nUTF-8\\n'; exit 0; fi\n"
                                  "echo \"$@\" > \"" + folder.toUtf8() + "/args.txt\"\n" + body + "\n";
        if (!TestFiles::write(program, script))
            return QString();
        QFile::setPermissions(program, QFile::permissions(program) | QFile::ExeOwner);
        return folder;
    }

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

    // Poppler's name for the 16-bit output; it refuses xpdf's "UCS-2".
    void passesTheEncodingNameTheProgramKnows()
    {
        // Writes "hi" as UTF-16BE to the output file named last.
        const QString folder = fakeProgram(QStringLiteral("poppler"), "printf '\\000h\\000i' > \"$4\"");
        QVERIFY(!folder.isEmpty());
        const auto path = onlyOnPath(folder);
        const QString pdf = m_dir.filePath(QStringLiteral("in.pdf"));
        QString outputFile;
        QVERIFY(m_converter.convert(pdf, nullptr, &outputFile, nullptr, QString(), nullptr));
        QCOMPARE(QString::fromUtf8(TestFiles::read(folder + QStringLiteral("/args.txt"))).trimmed(),
                 QStringLiteral("%1 -enc UTF-16 %2").arg(pdf, outputFile));
        const QTextCodec *codec = QTextCodec::codecForName(m_converter.encoding().toLatin1());
        QVERIFY(codec);
        QCOMPARE(codec->toUnicode(TestFiles::read(outputFile)), QStringLiteral("hi"));
        QVERIFY(QFile::remove(outputFile));
    }

    // An open document goes to poppler's program as its standard input, from its start: the program reads the
    // file that was opened, even once its name names another. A program that knows xpdf's names gets the path.
    void givesAnOpenDocumentAsStandardInput_data()
    {
        QTest::addColumn<QByteArray>("encodings");
        QTest::addColumn<bool>("fromInput");
        QTest::newRow("poppler") << QByteArray("Latin1\\nUTF-16\\nUTF-8") << true;
        QTest::newRow("xpdf") << QByteArray("Latin1\\nUCS-2") << false;
    }

    void givesAnOpenDocumentAsStandardInput()
    {
        QFETCH(QByteArray, encodings);
        QFETCH(bool, fromInput);
        const QString folder = m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY(QDir().mkpath(folder));
        const QString program = folder + QStringLiteral("/pdftotext");
        // Copies its standard input, a line at a time, to the output named last (shell built-ins only).
        const QByteArray script = "#!/bin/sh\n"
                                  "if [ \"$1\" = -listenc ]; then printf '" + encodings + "\\n'; exit 0; fi\n"
                                  "echo \"$@\" > \"" + folder.toUtf8() + "/args.txt\"\n"
                                  "while IFS= read -r line; do printf '%s\\n' \"$line\"; done > \"$4\"\n";
        QVERIFY(TestFiles::write(program, script));
        QFile::setPermissions(program, QFile::permissions(program) | QFile::ExeOwner);
        const auto path = onlyOnPath(folder);

        const QString pdf = folder + QStringLiteral("/opened.pdf");
        QVERIFY(TestFiles::write(pdf, "first line\nsecond line\n"));
        QFile opened(pdf);
        QVERIFY(opened.open(QIODevice::ReadOnly));
        QCOMPARE(opened.read(6), QByteArray("first "));
        QVERIFY(QFile::remove(pdf));
        QVERIFY(TestFiles::write(pdf, "another file\n"));

        PDFConverter converter;
        converter.setTempFolder(m_temp);
        QString outputFile;
        QVERIFY(converter.convert(pdf, &opened, &outputFile, nullptr, QString(), nullptr));
        const QString args = QString::fromUtf8(TestFiles::read(folder + QStringLiteral("/args.txt"))).trimmed();
        QCOMPARE(args, QStringLiteral("%1 -enc %2 %3")
                           .arg(fromInput ? QStringLiteral("-") : pdf, fromInput ? "UTF-16" : "UCS-2", outputFile));
        // By name the program opens nothing (it reads no file here): only the given input has lines.
        QCOMPARE(TestFiles::read(outputFile), fromInput ? QByteArray("first line\nsecond line\n") : QByteArray());
        QVERIFY(QFile::remove(outputFile));
    }

    // Asking a program which names it knows costs a start of it: the answer is remembered for later runs (other
    // converters here) of the same program file, and a program replaced since is asked anew.
    void remembersTheEncodingNameBetweenRuns()
    {
        const QString folder = fakeProgram(QStringLiteral("remembered"), "printf '\\000h' > \"$4\"");
        QVERIFY(!folder.isEmpty());
        const auto path = onlyOnPath(folder);
        QFile::remove(PDFConverter::rememberedEncodingsPath());
        const QString pdf = m_dir.filePath(QStringLiteral("remembered.pdf"));
        const auto convertOnce = [&] {
            PDFConverter converter;
            converter.setTempFolder(m_temp);
            QString outputFile;
            const bool converted = converter.convert(pdf, nullptr, &outputFile, nullptr, QString(), nullptr);
            QFile::remove(outputFile);
            return converted && TestFiles::read(folder + QStringLiteral("/args.txt")).contains("-enc UTF-16 ");
        };
        const auto asked = [&folder] { return TestFiles::read(folder + QStringLiteral("/asked.txt")).count("asked"); };
        QVERIFY(convertOnce());
        QVERIFY(convertOnce());
        QCOMPARE(asked(), 1);

        const QString program = folder + QStringLiteral("/pdftotext");
        QFile file(program);
        QVERIFY(file.open(QIODevice::Append));
        QVERIFY(file.write("# updated\n") > 0);
        file.close();
        QVERIFY(convertOnce());
        QCOMPARE(asked(), 2);
    }
};

QTEST_MAIN(PDFConverterTest)
#include "PDFConverterTest.moc"
