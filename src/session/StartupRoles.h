#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class MessageListenWidget;

// The process roles at start-up. A process is one of: a forwarder (a main
// instance already runs: hand it the command line and end), the elevated
// main instance, the unelevated main instance ("-no-elevation"), or the
// companion, which starts the elevated instance and stays, hidden, as its
// partner in the user's session until it ends.

// Writes the crash report into the data folder when the process dies of a
// fatal signal. Call first thing in main.
void installCrashDumpWriter();

// Performs the first administrative switch present ("-enable-skip-uac",
// "-disable-skip-uac", "-enable-shell-integration",
// "-disable-shell-integration", in that order) and returns the process's
// exit code: 5 when not running as root, else 0. -1 when none is present.
int performAdminSwitch(const QStringList &arguments);
// Returns only when no administrative switch is present; otherwise ends the
// process with performAdminSwitch's code.
void handleAdminSwitches(const QStringList &arguments);

// Hands the command line to the running main instance: a search in the
// folder for "-path <folder>" as the first two arguments, else activation.
void notifyAnotherInstance(const QStringList &arguments);

// Asks the companion (if one runs) for its command line: the arguments, or
// an empty list without a companion. Returns -1 to go on, or 1 when the
// companion did not answer within 5 seconds.
int initAdminInstance(MessageListenWidget *listener, QStringList *arguments);

// The companion's life: start the elevated instance and wait for it to end.
// Returns the process's exit code.
int runUserInstance(MessageListenWidget *listener);

// The command line of the unelevated main instance the companion falls back
// to: the arguments after the program, those with a blank in double quotes,
// then "-no-elevation", joined by blanks.
QString unelevatedParameters(const QStringList &arguments);

// Settles the role for `arguments` (argument 0 the program). Returns an exit
// code when this process ends here (forwarder, companion, failed hand-over),
// or -1 when it goes on as a main instance with `listener` made and
// `forwarded` holding the companion's arguments (empty when none came).
int settleProcessRole(const QStringList &arguments, std::unique_ptr<MessageListenWidget> *listener,
                      QStringList *forwarded);
