#include "support/TvqRunner.h"

#include <QProcess>

QStringList TvqRunner::settingsArguments() const
{
    return {QStringLiteral("--settings"), m_data.filePath(QStringLiteral("Settings.ini"))};
}

TvqRunner::Outcome TvqRunner::run(const QStringList &arguments, const QByteArray &input) const
{
    return runProgram(m_program, settingsArguments() + arguments, input);
}

TvqRunner::Outcome TvqRunner::runProgram(const QString &program, const QStringList &arguments,
                                         const QByteArray &input)
{
    QProcess process;
    process.start(program, arguments);
    Outcome outcome;
    if (!process.waitForStarted(10000))
        return outcome;
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(60000))
        process.kill();
    outcome.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    outcome.out = process.readAllStandardOutput();
    outcome.err = QString::fromLocal8Bit(process.readAllStandardError());
    return outcome;
}

QStringList TvqRunner::lines(const QByteArray &out)
{
    QStringList list = QString::fromLocal8Bit(out).split(QLatin1Char('\n'));
    if (!list.isEmpty() && list.last().isEmpty())
        list.removeLast();
    return list;
}

QSet<QString> TvqRunner::lineSet(const QByteArray &out)
{
    const QStringList list = lines(out);
    return QSet<QString>(list.begin(), list.end());
}
