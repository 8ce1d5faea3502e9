#pragma once

#include <QString>

// The program's contacts with the system's configuration on a Linux desktop,
// under the names the rest of the program knows them by. Each job is done by
// a class of its own: the skip-UAC task is a polkit rule (SkipPasswordRule),
// autostart the user's XDG autostart entry (AutostartEntry), the folder menu
// machine-wide desktop entries (FolderMenuEntry), elevation pkexec
// (ElevatedLauncher), and opening as the session user SessionUserOpener.
// All run on the GUI thread. Failures are logged; writes go through a
// temporary file renamed into place, so a crash never leaves half a file.

extern const char kSkipUacTaskName[];

// Write or remove the rule "<rules>/49-Talvenquist_SkipUAC.rules" for the
// session user. Need root; false (and an ERROR line) when the write fails.
bool createSkipUacTask();
bool deleteSkipUacTask();
// The rule exists and names the session user.
bool isSkipUacTaskEnabled();
// Starts this program through pkexec when the rule allows it without a
// prompt; otherwise logs at INFO and gives false.
bool runSkipUacTask();

// "$XDG_CONFIG_HOME/autostart/Talvenquist.desktop", starting this program
// with "-minimize".
void setAutostart(bool on);
bool isAutostart();

// The folder-menu entries, captioned "Search with Talvenquist..." in the
// current language and running this program with "-path" and the folder.
void setShellIntegration(bool on);
bool isShellIntegrated();

// Starts `path` with `parameters` (split as a shell would) as root through
// pkexec. Returns once it is known whether the program started: after the
// password prompt, while the event loop keeps running. False when pkexec is
// missing, the prompt was dismissed or authorisation was refused.
bool runElevated(const QString &path, const QString &parameters);
// The process id of the last program runElevated or runSkipUacTask started
// (pkexec keeps its id when it becomes the program); 0 before any.
qint64 lastElevatedProcessId();

// This process runs as root for another user (pkexec, sudo): it must not
// open that user's files with root's rights.
bool isActingForSessionUser();
// Opens `path` (with `parameters` for a program) in the session user's
// desktop with the user's rights: through the companion when one runs
// (parameters are not handed over: the companion opens files only), else
// by xdg-open, or the program itself, started as that user. True when
// handed over or started.
bool openAsSessionUser(const QString &path, const QString &parameters);

bool isVistaOrLater();
bool isWow64();

// Tests put the machine-wide files ("<dir>/applications",
// "<dir>/kio/servicemenus") under a temporary folder; empty restores
// "/usr/share".
void setSystemDataDirectory(const QString &folder);

// A command line word quoted as the Desktop Entry rules require, ready to
// be written into an Exec key (string escapes applied, "%" doubled).
QString desktopExecWord(const QString &word);
