#include "ui/BackgroundTray.h"

#include "base/Settings.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QIcon>
#include <QMenu>

static const int kHintMilliseconds = 10000;

BackgroundTray::BackgroundTray(QObject *parent)
    : QObject(parent)
    , m_icon(new QSystemTrayIcon(QIcon(QStringLiteral(":Images/Tray.png")), this))
    , m_menu(new QMenu)
{
    m_icon->setToolTip(QStringLiteral("Talvenquist"));
    m_icon->setContextMenu(m_menu);
    connect(m_icon, &QSystemTrayIcon::activated, this, &BackgroundTray::activated);
}

BackgroundTray::~BackgroundTray()
{
    // The tray icon does not own its menu.
    delete m_menu;
}

void BackgroundTray::setMenuActions(const QList<QAction *> &actions)
{
    m_menu->clear();
    m_menu->addActions(actions);
}

void BackgroundTray::setBackgroundMode(bool on)
{
    QApplication::setQuitOnLastWindowClosed(!on);
    m_icon->setVisible(on);
}

void BackgroundTray::show()
{
    m_icon->show();
}

bool BackgroundTray::isVisible() const
{
    return m_icon->isVisible();
}

bool BackgroundTray::canHideToTray()
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}

bool BackgroundTray::showRunningHintOnce()
{
    Settings *settings = Settings::instance();
    if (settings->value(Settings::RunInBackgroundHintShown).toBool())
        return false;
    const QString title = QStringLiteral("Talvenquist");
    const QString text = tr("%1 is still running.").arg(title);
    if (canHideToTray() && m_icon->isVisible())
        m_icon->showMessage(title, text, QSystemTrayIcon::Information, kHintMilliseconds);
    else
        sendDesktopNotification(title, text);
    settings->setValue(Settings::RunInBackgroundHintShown, true);
    emit hintShown(text);
    return true;
}

void BackgroundTray::sendDesktopNotification(const QString &title, const QString &text)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    QDBusMessage message = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("/org/freedesktop/Notifications"),
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
    message << title << quint32(0) << QStringLiteral("talvenquist") << title << text << QStringList()
            << QVariantMap() << qint32(kHintMilliseconds);
    // Sent without waiting for an answer: no notification service, no notice.
    bus.send(message);
}
