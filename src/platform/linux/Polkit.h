#pragma once

#include <QString>
#include <QStringList>

// Where the program meets polkit: the pkexec program that asks for the
// administrator's password and starts a program as root, the folder of
// installed actions and the folder of local authorisation rules that
// polkitd reads. Tests point all three at stand-ins (a recording script in
// place of pkexec, temporary folders in place of the system's).
class Polkit
{
public:
    // The action under which pkexec runs this program; installed as
    // "<actionsDirectory>/<kActionId>.policy".
    static const char kActionId[];

    // "pkexec" (looked up in PATH) unless replaced.
    static QString pkexecProgram();
    // "/usr/share/polkit-1/actions" unless replaced.
    static QString actionsDirectory();
    // "/etc/polkit-1/rules.d" unless replaced.
    static QString rulesDirectory();

    // An empty text restores the system's value. Not thread-safe: set
    // before the first use.
    static void setPkexecProgram(const QString &program);
    static void setActionsDirectory(const QString &folder);
    static void setRulesDirectory(const QString &folder);

    // An installed action names `program` as the one it runs, so pkexec
    // accepts it directly with the action's defaults and rules.
    static bool isActionInstalledFor(const QString &program);
};
