#pragma once

#include <QByteArray>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// Runs tvq as a user would and collects what it says, with a settings file in
// the runner's own temporary folder so nothing of the real user's is touched.
class TvqRunner
{
public:
    struct Outcome
    {
        int status = -1; // the exit code, -1 when it did not end normally
        QByteArray out;
        QString err;
    };

    explicit TvqRunner(const QString &program)
        : m_program(program)
    {
    }

    QString program() const { return m_program; }
    QString dataPath() const { return m_data.path(); }
    QStringList settingsArguments() const;

    // tvq with the settings arguments in front of 'arguments'.
    Outcome run(const QStringList &arguments, const QByteArray &input = QByteArray()) const;
    // Any program, with 'arguments' as given.
    static Outcome runProgram(const QString &program, const QStringList &arguments,
                              const QByteArray &input = QByteArray());

    // Output lines without the empty one after the last line feed.
    static QStringList lines(const QByteArray &out);
    static QSet<QString> lineSet(const QByteArray &out);

private:
    QString m_program;
    QTemporaryDir m_data;
};
