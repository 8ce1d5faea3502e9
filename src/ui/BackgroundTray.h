#pragma once

#include <QObject>
#include <QSystemTrayIcon>

class QAction;
class QMenu;

// The tray icon of background mode and the one-time notice that the program
// is still running after its window was closed. Where the desktop has no
// tray, the notice goes to the desktop's notification service instead.
class BackgroundTray : public QObject
{
    Q_OBJECT
public:
    explicit BackgroundTray(QObject *parent = nullptr);
    ~BackgroundTray() override;

    void setMenuActions(const QList<QAction *> &actions);
    // Background mode on: the icon is shown and closing the last window no
    // longer ends the program. Off: the icon is hidden and it does.
    void setBackgroundMode(bool on);
    void show();
    bool isVisible() const;
    // Whether closing the window may hide it: only with a tray to come back from.
    static bool canHideToTray();

    // Tells the user, once per user (RunInBackgroundHintShown), that closing
    // the window did not end the program. True when the notice was given now.
    bool showRunningHintOnce();

signals:
    void activated(QSystemTrayIcon::ActivationReason reason);
    // The notice just given, for whoever wants to know (tests, the log).
    void hintShown(const QString &text);

private:
    void sendDesktopNotification(const QString &title, const QString &text);

    QSystemTrayIcon *m_icon;
    QMenu *m_menu;
};
