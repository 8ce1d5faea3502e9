#include "session/IndexServiceAdmin.h"

#include "base/Logger.h"
#include "indexproto/IndexProtocol.h"
#include "indexproto/IndexServiceClient.h"
#include "indexproto/ServiceState.h"
#include "platform/linux/SystemInfo.h"
#include "session/ElevatedLauncher.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>

const char IndexServiceAdmin::kEnableArgument[] = "-enable-index-service";
const char IndexServiceAdmin::kDisableArgument[] = "-disable-index-service";
const char IndexServiceAdmin::kRebuildArgument[] = "-rebuild-index";
const char IndexServiceAdmin::kSettingsArgument[] = "-set-index-settings";
const char IndexServiceAdmin::kUnitName[] = "talvenquist-indexd.service";

namespace {

const char kComponent[] = "IndexServiceAdmin";
// Exit statuses of the root process, as the other administrative switches'.
constexpr int kDone = 0;
constexpr int kFailed = 1;
constexpr int kNotRoot = 5;
// pkexec's own statuses: the user dismissed the prompt, or was refused.
constexpr int kPkexecDismissed = 126;
constexpr int kPkexecRefused = 127;

void logLine(int level, const QString &message)
{
    Logger::instance()->log(level, kComponent, message);
}

} // namespace

IndexServiceAdmin::IndexServiceAdmin(QObject *parent)
    : QObject(parent)
{
}

bool IndexServiceAdmin::canManageService(QString *why)
{
    // systemd's own test of whether it booted the machine.
    if (!QFileInfo::exists(QStringLiteral("/run/systemd/system"))) {
        *why = tr("This computer does not run systemd, so the index service cannot be turned on here.");
        return false;
    }
    return true;
}

QStringList IndexServiceAdmin::enableArguments(bool on)
{
    return {QLatin1String(on ? kEnableArgument : kDisableArgument)};
}

QStringList IndexServiceAdmin::rebuildArguments()
{
    return {QLatin1String(kRebuildArgument)};
}

QStringList IndexServiceAdmin::settingsArguments(const IndexingSettings &settings)
{
    return {QLatin1String(kSettingsArgument),
            QString::fromLatin1(ServiceState::encodeSettings(settings).toBase64(QByteArray::Base64UrlEncoding))};
}

int IndexServiceAdmin::perform(const QStringList &arguments)
{
    const bool any = arguments.contains(QLatin1String(kEnableArgument))
        || arguments.contains(QLatin1String(kDisableArgument)) || arguments.contains(QLatin1String(kRebuildArgument))
        || arguments.contains(QLatin1String(kSettingsArgument));
    if (!any)
        return -1;
    if (!isProcessAdmin()) {
        logLine(WARNING, QStringLiteral("The index service's settings need root"));
        return kNotRoot;
    }
    if (arguments.contains(QLatin1String(kEnableArgument)))
        return setServiceEnabled(true);
    if (arguments.contains(QLatin1String(kDisableArgument)))
        return setServiceEnabled(false);
    return askService(arguments);
}

int IndexServiceAdmin::setServiceEnabled(bool on)
{
    QProcess systemctl;
    systemctl.start(QStringLiteral("systemctl"), {QLatin1String(on ? "enable" : "disable"), QStringLiteral("--now"),
                                                  QLatin1String(kUnitName)});
    if (!systemctl.waitForFinished(120000) || systemctl.exitStatus() != QProcess::NormalExit
        || systemctl.exitCode() != 0) {
        logLine(ERROR, QStringLiteral("systemctl could not turn the index service %1: %2")
                           .arg(QLatin1String(on ? "on" : "off"),
                                QString::fromLocal8Bit(systemctl.readAllStandardError()).trimmed()));
        return kFailed;
    }
    return kDone;
}

int IndexServiceAdmin::askService(const QStringList &arguments)
{
    IndexServiceClient client;
    if (!client.open(IndexProtocol::socketPath())) {
        logLine(ERROR, QStringLiteral("The index service does not answer: %1").arg(client.errorText()));
        return kFailed;
    }
    bool ok = false;
    const int settingsAt = arguments.indexOf(QLatin1String(kSettingsArgument));
    if (settingsAt >= 0) {
        const QByteArray encoded = arguments.value(settingsAt + 1).toLatin1();
        const std::optional<IndexingSettings> settings =
            ServiceState::decodeSettings(QByteArray::fromBase64(encoded, QByteArray::Base64UrlEncoding));
        if (!settings) {
            logLine(ERROR, QStringLiteral("%1 got no readable settings").arg(QLatin1String(kSettingsArgument)));
            return kFailed;
        }
        ok = client.setSettings(*settings);
    } else {
        ok = client.rebuild();
    }
    if (!ok)
        logLine(ERROR, QStringLiteral("The index service refused: %1").arg(client.errorText()));
    return ok ? kDone : kFailed;
}

void IndexServiceAdmin::requestAsRoot(const QStringList &switchArguments)
{
    auto *process = new QProcess(this);
    const QStringList command =
        ElevatedLauncher::pkexecCommand(QCoreApplication::applicationFilePath()) + switchArguments;
    connect(process, &QProcess::errorOccurred, this, [this, process](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return;
        process->deleteLater();
        emit finished(false, tr("pkexec could not be started."));
    });
    connect(process, qOverload<int, QProcess::ExitStatus>(&QProcess::finished), this,
            [this, process](int code, QProcess::ExitStatus status) {
                process->deleteLater();
                if (status != QProcess::NormalExit)
                    emit finished(false, tr("The task run with administrator rights ended unexpectedly."));
                else if (code == kPkexecDismissed || code == kPkexecRefused)
                    emit finished(false, tr("The administrator password was not given."));
                else if (code != kDone)
                    emit finished(false, tr("The index service refused the change; the log says why."));
                else
                    emit finished(true, QString());
            });
    process->start(QStringLiteral("pkexec"), command);
}
