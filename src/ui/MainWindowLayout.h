#pragma once

class QDockWidget;
class QMainWindow;
class QToolBar;

// The stored layout of the main window: its geometry, the two toolbars'
// areas and visibility, and the search-panel dock.
class MainWindowLayout
{
public:
    MainWindowLayout(QMainWindow *window, QToolBar *commandBar, QToolBar *instantBar, QDockWidget *dock);

    // Applies the stored geometry when it lies on the desktop.
    void restoreGeometry();
    // Moves (and if need be shrinks) the window until it lies on the screen.
    void keepOnScreen();
    // Shows the window maximised or normal, as it was last left.
    void showAsStored();
    void restoreBars();
    void saveGeometry();
    void saveBars();

private:
    QMainWindow *m_window;
    QToolBar *m_commandBar;
    QToolBar *m_instantBar;
    QDockWidget *m_dock;
};
