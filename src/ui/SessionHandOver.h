#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// What must happen in the session user's desktop, with the user's rights:
// the user's file manager, applications and trash. A root instance hands
// these errands to its companion; the numbers are the companion's message
// kinds after the three of opening, arguments and new searches.
enum class SessionErrand : quint64 {
    OpenFileLocation = 3, // arguments: the file
    OpenWith = 4,         // arguments: the application's desktop id, the file
    MoveToTrash = 5,      // arguments: the files
    ShowProperties = 6,   // arguments: the files
};

// Carries an errand to where it runs; true when it was delivered. Installed
// by a root instance (the companion, or a helper started as the session
// user); without one, errands run in this process.
using SessionHandOver = std::function<bool(SessionErrand errand, const QStringList &arguments)>;
// Install at start-up (or in a test) on the GUI thread. Errands are handed
// over from the GUI thread, except MoveToTrash, which is handed over from a
// worker thread, one file at a time, so that the window does not wait.
void setSessionHandOver(SessionHandOver handOver);
bool hasSessionHandOver();
// False when none is installed or it could not deliver.
bool handOverToSession(SessionErrand errand, const QStringList &arguments);

// For a root instance acting for a session user: errands go to the
// companion; without one, the file's folder opens as the session user in
// place of the file manager's services, and MoveToTrash is not delivered
// (the caller then uses the trash of each file's owner itself).
void installCompanionHandOver();

// The arguments as one message text and back: one line each, with file
// paths as file URLs so that a line feed in a name survives.
QString sessionErrandText(SessionErrand errand, const QStringList &arguments);
QStringList sessionErrandArguments(SessionErrand errand, const QString &text);
