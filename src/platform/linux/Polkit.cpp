#include "platform/linux/Polkit.h"

#include <QFile>

const char Polkit::kActionId[] = "org.talvenquist.Talvenquist.run";

namespace {

struct Overrides
{
    QString pkexec;
    QString actions;
    QString rules;
};

Overrides &overrides()
{
    static Overrides values;
    return values;
}

QString orDefault(const QString &value, const char *fallback)
{
    return value.isEmpty() ? QString::fromLatin1(fallback) : value;
}

} // namespace

QString Polkit::pkexecProgram()
{
    return orDefault(overrides().pkexec, "pkexec");
}

QString Polkit::actionsDirectory()
{
    return orDefault(overrides().actions, "/usr/share/polkit-1/actions");
}

QString Polkit::rulesDirectory()
{
    return orDefault(overrides().rules, "/etc/polkit-1/rules.d");
}

void Polkit::setPkexecProgram(const QString &program)
{
    overrides().pkexec = program;
}

void Polkit::setActionsDirectory(const QString &folder)
{
    overrides().actions = folder;
}

void Polkit::setRulesDirectory(const QString &folder)
{
    overrides().rules = folder;
}

bool Polkit::isActionInstalledFor(const QString &program)
{
    QFile file(actionsDirectory() + QLatin1Char('/') + QLatin1String(kActionId) + QStringLiteral(".policy"));
    if (program.isEmpty() || !file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray wanted = "\"org.freedesktop.policykit.exec.path\">" + program.toHtmlEscaped().toUtf8() + "<";
    return file.readAll().contains(wanted);
}
