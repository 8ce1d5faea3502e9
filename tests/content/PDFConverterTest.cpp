#include "content/PDFConverter.h"
#include "support/TestFiles.h"

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
