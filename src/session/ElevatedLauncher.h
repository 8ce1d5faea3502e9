#pragma once

#include <QString>
#include <QStringList>

// Starts programs as root through pkexec and remembers the last one started.
// Runs on the GUI thread; the event loop keeps running while a password
// prompt is up.
class ElevatedLauncher
{
public:
    // Starts `path` with `parameters` (split as a shell would). Returns once
    // it is known whether the program started. False when pkexec is missing,
    // the prompt was dismissed or authorisation was refused.
    static bool run(const QString &path, const QString &parameters);
    // Runs pkexec with `arguments` and follows it until the program behind it
    // started or pkexec gave up; a failure is logged as `failurePrefix`
    // followed by pkexec's exit code.
    static bool launch(const QStringList &arguments, const QString &failurePrefix);
    // The process id of the last program started (pkexec keeps its id when
    // it becomes the program); 0 before any.
    static qint64 lastProcessId();

private:
    static QStringList pkexecArguments(const QString &path);
};
