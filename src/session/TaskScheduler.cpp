#include "session/TaskScheduler.h"

#include "session/AutostartEntry.h"
#include "session/DesktopEntryFile.h"
#include "session/ElevatedLauncher.h"
#include "session/FolderMenuEntry.h"
#include "session/SessionUserOpener.h"
#include "session/SkipPasswordRule.h"

const char kSkipUacTaskName[] = "Talvenquist_SkipUAC";

bool createSkipUacTask() { return SkipPasswordRule::create(); }
bool deleteSkipUacTask() { return SkipPasswordRule::remove(); }
bool isSkipUacTaskEnabled() { return SkipPasswordRule::isEnabled(); }
bool runSkipUacTask() { return SkipPasswordRule::run(); }

void setAutostart(bool on) { AutostartEntry::set(on); }
bool isAutostart() { return AutostartEntry::isSet(); }

void setShellIntegration(bool on) { FolderMenuEntry::set(on); }
bool isShellIntegrated() { return FolderMenuEntry::isSet(); }
void setSystemDataDirectory(const QString &folder) { FolderMenuEntry::setSystemDataDirectory(folder); }

bool runElevated(const QString &path, const QString &parameters) { return ElevatedLauncher::run(path, parameters); }
qint64 lastElevatedProcessId() { return ElevatedLauncher::lastProcessId(); }

bool isActingForSessionUser() { return SessionUserOpener::isActingForSessionUser(); }
bool openAsSessionUser(const QString &path, const QString &parameters)
{
    return SessionUserOpener::open(path, parameters);
}

// Kept for the callers written against the Windows start-up: every Linux
// this program runs on is "Vista or later" and no process is a 32-bit one
// on a 64-bit system.
bool isVistaOrLater() { return true; }
bool isWow64() { return false; }

QString desktopExecWord(const QString &word) { return DesktopEntryFile::execWord(word); }
