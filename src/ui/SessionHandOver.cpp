#include "ui/SessionHandOver.h"

#include "session/InstanceChannel.h"
#include "session/InstanceMessage.h"
#include "session/MessageListenWidget.h"
#include "session/TaskScheduler.h"

#include <QFileInfo>
#include <QUrl>

static SessionHandOver &installedHandOver()
{
    static SessionHandOver handOver;
    return handOver;
}

void setSessionHandOver(SessionHandOver handOver)
{
    installedHandOver() = std::move(handOver);
}

bool hasSessionHandOver()
{
    return bool(installedHandOver());
}

bool handOverToSession(SessionErrand errand, const QStringList &arguments)
{
    return installedHandOver() && installedHandOver()(errand, arguments);
}

// The first argument of OpenWith is an application id, not a path.
static bool isPathArgument(SessionErrand errand, int index)
{
    return !(errand == SessionErrand::OpenWith && index == 0);
}

QString sessionErrandText(SessionErrand errand, const QStringList &arguments)
{
    QStringList lines;
    for (int i = 0; i < arguments.size(); ++i) {
        lines.append(isPathArgument(errand, i) ? QUrl::fromLocalFile(arguments.at(i)).toString(QUrl::FullyEncoded)
                                               : arguments.at(i));
    }
    return lines.join(QLatin1Char('\n'));
}

QStringList sessionErrandArguments(SessionErrand errand, const QString &text)
{
    QStringList arguments;
    const QStringList lines = text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (int i = 0; i < lines.size(); ++i) {
        if (!isPathArgument(errand, i)) {
            arguments.append(lines.at(i));
            continue;
        }
        const QUrl url(lines.at(i), QUrl::StrictMode);
        if (url.isLocalFile())
            arguments.append(url.toLocalFile());
    }
    return arguments;
}

static bool handOverToCompanion(SessionErrand errand, const QStringList &arguments)
{
    const QString companion = QLatin1String(kUserInstanceWindowTitle);
    if (InstanceChannel::exists(companion)) {
        return InstanceChannel::send(
            companion, InstanceMessage::copyData(quint64(errand), sessionErrandText(errand, arguments)));
    }
    switch (errand) {
    case SessionErrand::OpenFileLocation:
    case SessionErrand::ShowProperties:
        return openAsSessionUser(QFileInfo(arguments.value(0)).absolutePath(), QString());
    case SessionErrand::OpenWith:
        return openAsSessionUser(arguments.value(1), QString());
    case SessionErrand::MoveToTrash:
        break;
    }
    return false;
}

void installCompanionHandOver()
{
    setSessionHandOver(handOverToCompanion);
}
