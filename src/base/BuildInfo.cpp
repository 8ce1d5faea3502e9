#include "base/BuildInfo.h"

#include <QDateTime>
#include <QLocale>

QString BuildInfo::version()
{
    return QStringLiteral("1.43");
}

QString BuildInfo::buildTime()
{
    const QDate date = QLocale::c().toDate(QString::fromLatin1(__DATE__).simplified(), QStringLiteral("MMM d yyyy"));
    const QTime time = QTime::fromString(QString::fromLatin1(__TIME__), QStringLiteral("hh:mm:ss"));
    return QLocale().toString(QDateTime(date, time), QLocale::ShortFormat);
}
