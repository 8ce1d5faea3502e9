#include "session/SkipPasswordRule.h"

#include "base/Logger.h"
#include "platform/linux/Polkit.h"
#include "platform/linux/SessionUser.h"
#include "session/DesktopEntryFile.h"
#include "session/ElevatedLauncher.h"
#include "session/TaskScheduler.h"

#include <cerrno>

static const char kComponent[] = "TaskScheduler";

static QString rulePath()
{
    return Polkit::rulesDirectory() + QStringLiteral("/49-%1.rules").arg(QLatin1String(kSkipUacTaskName));
}

// The rule's test of the subject, also how isEnabled recognises whom the
// rule admits. A JavaScript string: quotes and backslashes escaped.
static QByteArray subjectTest()
{
    QString name = SessionUser::current().name;
    name.replace(QLatin1Char('\\'), QStringLiteral("\\\\")).replace(QLatin1Char('"'), QStringLiteral("\\\""));
    return "subject.user == \"" + name.toUtf8() + "\"";
}

bool SkipPasswordRule::create()
{
    const QByteArray rule = "// " + QByteArray(kSkipUacTaskName)
        + ": lets this user start Talvenquist as root without a password prompt.\n"
          "polkit.addRule(function(action, subject) {\n"
          "    if (action.id == \""
        + QByteArray(Polkit::kActionId) + "\" && " + subjectTest()
        + " && subject.local && subject.active)\n"
          "        return polkit.Result.YES;\n"
          "});\n";
    // polkitd runs as its own user and must be able to read the rule.
    return DesktopEntryFile::writeAtomically(kComponent, rulePath(), rule,
                                             QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
}

bool SkipPasswordRule::remove()
{
    return DesktopEntryFile::remove(kComponent, rulePath());
}

bool SkipPasswordRule::isEnabled()
{
    return DesktopEntryFile::read(rulePath()).contains(subjectTest());
}

bool SkipPasswordRule::run()
{
    const QString program = DesktopEntryFile::programFile();
    if (!isEnabled() || !Polkit::isActionInstalledFor(program)) {
        Logger::instance()->log(INFO, kComponent, QStringLiteral("rootFolder->GetTask failed, error = %1").arg(ENOENT));
        return false;
    }
    return ElevatedLauncher::launch({program}, QStringLiteral("registeredTask->Run failed, error = "));
}
