#pragma once

#include <QString>

class QDockWidget;
class QRect;
class QMainWindow;
class QToolBar;

// The stored layout of the main window: its geometry, the two toolbars'
// areas and visibility, and the search-panel dock.
class MainWindowLayout
{
public:
    MainWindowLayout(QMainWindow *window, QToolBar *commandBar, QToolBar *instantBar, QDockWidget *dock);

    // Applies the stored geometry when it lies on the desktop; without one
    // (the first start) the window takes most of the screen, centred.
    void restoreGeometry();
    // Moves (and if need be shrinks) the window until it lies on the screen.
    void keepOnScreen();
    // Shows the window maximised or normal, as it was last left.
    void showAsStored();
    // For another start of the program: shows the window again if hidden
    // or minimised, keeping it maximised if it was, and brings it to the
    // front with that start's activation token (XDG_ACTIVATION_TOKEN on
    // Wayland, DESKTOP_STARTUP_ID on X11; may be empty).
    void bringToFront(const QString &token);
    void restoreBars();
    void saveGeometry();
    void saveBars();

private:
    void placeFirstTime(const QRect &available);
    void centreOnScreen();

    QMainWindow *m_window;
    QToolBar *m_commandBar;
    QToolBar *m_instantBar;
    QDockWidget *m_dock;
    bool m_firstStart = false;
};
