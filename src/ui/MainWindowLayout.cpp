#include "ui/MainWindowLayout.h"

#include "base/Settings.h"
#include "platform/linux/X11Activation.h"

#include <QDockWidget>
#include <QGuiApplication>
#include <QLayout>
#include <QMainWindow>
#include <QScreen>
#include <QTimer>
#include <QToolBar>

// Percent of the screen's free area the window takes at its first start.
static const int kFirstStartShare = 80;

MainWindowLayout::MainWindowLayout(QMainWindow *window, QToolBar *commandBar, QToolBar *instantBar,
                                   QDockWidget *dock)
    : m_window(window)
    , m_commandBar(commandBar)
    , m_instantBar(instantBar)
    , m_dock(dock)
{
}

void MainWindowLayout::restoreGeometry()
{
    Settings *settings = Settings::instance();
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // The store writes its defaults into a new file at once, so a geometry
    // still at the defaults is one no window has left there yet.
    const auto unset = [settings](Settings::Key key) {
        return !settings->isSet(key) || settings->value(key) == settings->defaultValue(key);
    };
    if (unset(Settings::MainWindowPos) && unset(Settings::MainWindowSize)) {
        placeFirstTime(screen->availableGeometry());
        return;
    }
    const QSize desktop = screen->virtualSize();
    const QPoint pos = settings->value(Settings::MainWindowPos).toPoint();
    const QSize size = settings->value(Settings::MainWindowSize).toSize();
    const bool onDesktop = pos.x() >= 0 && pos.x() <= desktop.width() && pos.y() >= 0
        && pos.y() <= desktop.height() && size.width() < desktop.width() && size.height() < desktop.height();
    if (!onDesktop || size.isEmpty())
        return;
    m_window->resize(size);
    m_window->move(pos);
}

// A share of the screen that leaves the desktop in view, centred on it.
void MainWindowLayout::placeFirstTime(const QRect &available)
{
    m_firstStart = true;
    const QSize size = (available.size() * kFirstStartShare / 100)
                           .expandedTo(m_window->minimumSizeHint())
                           .boundedTo(available.size());
    m_window->resize(size);
    m_window->move(available.center() - QPoint(size.width() / 2, size.height() / 2));
}

void MainWindowLayout::keepOnScreen()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // A stored position on the desktop can still leave most of the window
    // beyond its right or bottom edge (the stock position on a small screen,
    // or a window grown to its contents' minimum): it is moved back until it
    // fits the screen's free area.
    const QRect available = screen->availableVirtualGeometry();
    const QSize size = m_window->size().expandedTo(m_window->minimumSizeHint()).boundedTo(available.size());
    // On a first start the window's contents (toolbars, tabs) take their
    // sizes only once it is shown and polished, which can make it wider than
    // the share it was given: it is centred again then, as it has become.
    if (m_firstStart) {
        m_firstStart = false;
        QTimer::singleShot(0, m_window, [this] { centreOnScreen(); });
        return;
    }
    QRect frame(m_window->pos(), size);
    frame.moveRight(qMin(frame.right(), available.right()));
    frame.moveBottom(qMin(frame.bottom(), available.bottom()));
    frame.moveTopLeft(QPoint(qMax(frame.left(), available.left()), qMax(frame.top(), available.top())));
    m_window->resize(frame.size());
    m_window->move(frame.topLeft());
}

void MainWindowLayout::centreOnScreen()
{
    const QScreen *screen = m_window->screen();
    if (!screen || m_window->isMaximized())
        return;
    if (m_window->layout())
        m_window->layout()->activate();
    const QRect available = screen->availableGeometry();
    const QSize size = m_window->size().expandedTo(m_window->minimumSizeHint()).boundedTo(available.size());
    m_window->resize(size);
    m_window->move(available.center() - QPoint(size.width() / 2, size.height() / 2));
}

void MainWindowLayout::showAsStored()
{
    if (Settings::instance()->value(Settings::MainWindowMaximized).toBool())
        m_window->showMaximized();
    else
        m_window->showNormal();
    m_window->raise();
    m_window->activateWindow();
}

void MainWindowLayout::bringToFront(const QString &token)
{
    if (m_window->isHidden())
        showAsStored();
    else if (m_window->isMinimized())
        m_window->setWindowState((m_window->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    const QString platform = QGuiApplication::platformName();
    // Qt's Wayland client hands this token to the compositor with the
    // activation request that follows, and clears it.
    if (!token.isEmpty() && platform.startsWith(QLatin1String("wayland")))
        qputenv("XDG_ACTIVATION_TOKEN", token.toUtf8());
    m_window->raise();
    m_window->activateWindow();
    if (platform == QLatin1String("xcb"))
        X11Activation::activate(std::uint32_t(m_window->winId()), token.toUtf8());
}

static Qt::ToolBarArea toolBarArea(const QVariant &value)
{
    const int area = value.toInt();
    return area == Qt::BottomToolBarArea ? Qt::BottomToolBarArea : Qt::TopToolBarArea;
}

static Qt::DockWidgetArea dockArea(const QVariant &value)
{
    switch (value.toInt()) {
    case Qt::RightDockWidgetArea:
        return Qt::RightDockWidgetArea;
    case Qt::TopDockWidgetArea:
        return Qt::TopDockWidgetArea;
    case Qt::BottomDockWidgetArea:
        return Qt::BottomDockWidgetArea;
    default:
        return Qt::LeftDockWidgetArea;
    }
}

void MainWindowLayout::restoreBars()
{
    Settings *settings = Settings::instance();
    m_window->addToolBar(toolBarArea(settings->value(Settings::CommandToolbarArea)), m_commandBar);
    m_window->addToolBar(toolBarArea(settings->value(Settings::InstantToolbarArea)), m_instantBar);
    m_commandBar->setVisible(settings->value(Settings::CommandToolbarVisible).toBool());
    m_instantBar->setVisible(settings->value(Settings::InstantToolbarVisible).toBool());

    m_window->addDockWidget(dockArea(settings->value(Settings::SearchWindowArea)), m_dock);
    m_dock->setVisible(settings->value(Settings::SearchWindowVisible).toBool());
    if (settings->value(Settings::SearchWindowFloating).toBool()) {
        m_dock->setFloating(true);
        const QSize size = settings->value(Settings::SearchWindowSize).toSize();
        if (!size.isEmpty())
            m_dock->resize(size);
        m_dock->move(settings->value(Settings::SearchWindowPos).toPoint());
    }
}

void MainWindowLayout::saveGeometry()
{
    Settings *settings = Settings::instance();
    // The normal placement: what the window returns to when un-maximised.
    const QRect normal = m_window->isMaximized() ? m_window->normalGeometry() : m_window->geometry();
    settings->setValue(Settings::MainWindowPos, normal.topLeft());
    settings->setValue(Settings::MainWindowSize, normal.size());
    settings->setValue(Settings::MainWindowMaximized, m_window->isMaximized());
}

void MainWindowLayout::saveBars()
{
    Settings *settings = Settings::instance();
    // However they were hidden (the View menu, a bar's own menu, the dock's
    // close button): only an explicit hide counts, not a hidden window.
    settings->setValue(Settings::CommandToolbarVisible, !m_commandBar->isHidden());
    settings->setValue(Settings::InstantToolbarVisible, !m_instantBar->isHidden());
    settings->setValue(Settings::SearchWindowVisible, !m_dock->isHidden());
    settings->setValue(Settings::CommandToolbarArea, static_cast<int>(m_window->toolBarArea(m_commandBar)));
    settings->setValue(Settings::InstantToolbarArea, static_cast<int>(m_window->toolBarArea(m_instantBar)));
    settings->setValue(Settings::SearchWindowFloating, m_dock->isFloating());
    settings->setValue(Settings::SearchWindowArea, static_cast<int>(m_window->dockWidgetArea(m_dock)));
    settings->setValue(Settings::SearchWindowPos, m_dock->pos());
    settings->setValue(Settings::SearchWindowSize, m_dock->size());
}
