#include "ui/MainWindowActions.h"

#include <QAction>
#include <QActionGroup>
#include <QIcon>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

namespace {
struct Language
{
    const char *objectName;
    const char *caption; // shown in its own language: never translated
    const char *id;
};

const Language kLanguages[] = {
    {"actionEnglish", "English", "en"},
    {"actionRussian", "Русский / Russian", "ru"},
    {"actionChineseSimplified", "中文 (简体) / Chinese Simplified", "cs"},
    {"actionGreek", "Ελληνικά / Greek", "el"},
    {"actionJapanese", "日本の / Japanese", "ja"},
    {"actionPolish", "Polski / Polish", "pl"},
    {"actionFrench", "Français / French", "fr"},
    {"actionGerman", "Deutsch / German", "de"},
    {"actionItalian", "Italiano / Italian", "it"},
    {"actionSpanish", "Español / Spanish", "es"},
    {"actionHungarian", "Magyar / Hungarian", "hu"},
    {"actionCzech", "Česky / Czech", "cz"},
};
} // namespace

MainWindowActions::MainWindowActions(QMainWindow *window)
    : QObject(window)
    , m_window(window)
    , m_expressionTypes(new QActionGroup(this))
    , m_languages(new QActionGroup(this))
{
    makeActions();
    makeLanguageActions();
    makeMenus();
    makeToolBar();
    retranslate();
}

QAction *MainWindowActions::make(const char *objectName, const char *shortcut, bool checkable)
{
    auto *action = new QAction(m_window);
    action->setObjectName(QLatin1String(objectName));
    if (shortcut)
        action->setShortcut(QKeySequence(QLatin1String(shortcut)));
    action->setCheckable(checkable);
    // Window-wide shortcuts; a focused text field still keeps its own
    // Ctrl+C, Del and Ctrl+A, as line edits claim those keys first.
    m_window->addAction(action);
    return action;
}

void MainWindowActions::makeActions()
{
    const bool checkable = true;
    actionOptions = make("actionOptions");
    actionNewSearch = make("actionNewSearch", "Ctrl+N");
    actionClosePage = make("actionClosePage", "Ctrl+W");
    actionNextTab = make("actionNextTab", "Ctrl+Tab");
    actionPreviousTab = make("actionPreviousTab", "Ctrl+Shift+Tab");
    actionExit = make("actionExit");
    actionAbout = make("actionAbout");
    actionCut = make("actionCut", "Ctrl+X");
    actionCopy = make("actionCopy", "Ctrl+C");
    actionDelete = make("actionDelete", "Del");
    actionDeletePermanently = make("actionDeletePermanently", "Shift+Del");
    actionSelectAll = make("actionSelectAll", "Ctrl+A");
    actionCopyName = make("actionCopyName", "Alt+Ins");
    actionCopyFullName = make("actionCopyFullName", "Alt+Shift+Ins");
    actionCopyPath = make("actionCopyPath", "Ctrl+Alt+Ins");
    actionHelp = make("actionHelp", "F1");
    actionCaseSensitive = make("actionCaseSensitive", nullptr, checkable);
    actionSubstring = make("actionSubstring", nullptr, checkable);
    actionWholeWord = make("actionWholeWord", nullptr, checkable);
    actionRegularExpression = make("actionRegularExpression", nullptr, checkable);
    actionBoolean = make("actionBoolean", nullptr, checkable);
    actionSearchParameters = make("actionSearchParameters", nullptr, checkable);
    actionToolbar = make("actionToolbar", nullptr, checkable);
    actionInstantSearch = make("actionInstantSearch", nullptr, checkable);
    actionFilterBar = make("actionFilterBar", nullptr, checkable);
    actionExportResults = make("actionExportResults");
    actionDuplicateSearch = make("actionDuplicateSearch");
    actionRestore = make("actionRestore");
    // Only shows its key: the key itself does more (actionEscape), while
    // choosing the entry only minimises.
    actionMinimize = make("actionMinimize");
    actionEscape = make("actionEscape", "Esc");
    for (QAction *type : {actionSubstring, actionWholeWord, actionRegularExpression, actionBoolean})
        m_expressionTypes->addAction(type);
    actionSubstring->setChecked(true);
    actionNewSearch->setIcon(QIcon(QStringLiteral(":Images/AddTab.png")));
}

void MainWindowActions::makeLanguageActions()
{
    for (const Language &language : kLanguages) {
        QAction *action = make(language.objectName, nullptr, true);
        action->setText(QString::fromUtf8(language.caption));
        action->setProperty("id", QLatin1String(language.id));
        m_languages->addAction(action);
    }
}

QList<QAction *> MainWindowActions::languageActions() const
{
    return m_languages->actions();
}

void MainWindowActions::checkLanguage(const QString &code)
{
    const QString wanted = code.toLower();
    for (QAction *action : languageActions())
        action->setChecked(action->property("id").toString() == wanted);
}

void MainWindowActions::makeMenus()
{
    QMenuBar *bar = m_window->menuBar();
    fileMenu = bar->addMenu(QString());
    fileMenu->addActions({actionNewSearch, actionDuplicateSearch, actionClosePage});
    fileMenu->addSeparator();
    fileMenu->addAction(actionExportResults);
    fileMenu->addSeparator();
    fileMenu->addActions({actionMinimize, actionExit});

    editMenu = bar->addMenu(QString());
    editMenu->addActions({actionCut, actionCopy, actionDelete, actionDeletePermanently});
    editMenu->addSeparator();
    editMenu->addActions({actionCopyName, actionCopyFullName, actionCopyPath});
    editMenu->addSeparator();
    editMenu->addAction(actionSelectAll);

    viewMenu = bar->addMenu(QString());
    viewMenu->addActions({actionSearchParameters, actionToolbar, actionInstantSearch, actionFilterBar});
    viewMenu->addSeparator();
    viewMenu->addActions({actionNextTab, actionPreviousTab});

    toolsMenu = bar->addMenu(QString());
    toolsMenu->addActions({actionCaseSensitive});
    toolsMenu->addSeparator();
    toolsMenu->addActions(m_expressionTypes->actions());
    toolsMenu->addSeparator();
    toolsMenu->addAction(actionOptions);

    languageMenu = bar->addMenu(QString());
    languageMenu->addActions(languageActions());

    helpMenu = bar->addMenu(QString());
    helpMenu->addActions({actionHelp, actionAbout});
}

QList<QMenu *> MainWindowActions::menus() const
{
    return {fileMenu, editMenu, viewMenu, toolsMenu, languageMenu, helpMenu};
}

void MainWindowActions::makeToolBar()
{
    commandToolBar = new QToolBar(m_window);
    commandToolBar->setObjectName(QStringLiteral("commandToolBar"));
    commandToolBar->setFloatable(false);
    commandToolBar->setAllowedAreas(Qt::TopToolBarArea | Qt::BottomToolBarArea);
    commandToolBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    // Six pixels between the buttons.
    commandToolBar->setStyleSheet(QStringLiteral("QToolBar { spacing: 6px; }"));
    commandToolBar->addActions({actionNewSearch, actionDuplicateSearch, actionExportResults});
    commandToolBar->addSeparator();
    commandToolBar->addActions({actionOptions, actionHelp});
}

void MainWindowActions::retranslate()
{
    fileMenu->setTitle(tr("&File"));
    editMenu->setTitle(tr("&Edit"));
    toolsMenu->setTitle(tr("&Tools"));
    languageMenu->setTitle(tr("&Language"));
    helpMenu->setTitle(tr("&Help"));
    viewMenu->setTitle(tr("&View"));
    commandToolBar->setWindowTitle(tr("Toolbar"));
    retranslateCommands();
    retranslateEditing();
    retranslateViews();
}

void MainWindowActions::retranslateCommands()
{
    actionOptions->setText(tr("&Options..."));
    actionNewSearch->setText(tr("&New Search"));
    actionClosePage->setText(tr("&Close Tab"));
    actionNextTab->setText(tr("&Next Tab"));
    actionPreviousTab->setText(tr("&Previous Tab"));
    actionExit->setText(tr("E&xit"));
    actionAbout->setText(tr("&About"));
    actionHelp->setText(tr("&Manual"));
    actionExportResults->setText(tr("&Export Results..."));
    actionDuplicateSearch->setText(tr("Duplicate search"));
    actionRestore->setText(tr("&Restore"));
    actionMinimize->setText(tr("Minimize") + QLatin1Char('\t')
                            + QKeySequence(Qt::Key_Escape).toString(QKeySequence::NativeText));
}

void MainWindowActions::retranslateEditing()
{
    actionCut->setText(tr("Cu&t"));
    actionCopy->setText(tr("&Copy"));
    // The same words and keys as the results' context menus.
    actionDelete->setText(tr("Move to T&rash"));
    actionDeletePermanently->setText(tr("&Delete"));
    actionSelectAll->setText(tr("Select &All"));
    actionCopyName->setText(tr("Copy &Name"));
    actionCopyFullName->setText(tr("Copy &Full Name"));
    actionCopyPath->setText(tr("Copy &Path"));
    actionCaseSensitive->setText(tr("&Case sensitive"));
    actionSubstring->setText(tr("&Substring"));
    actionWholeWord->setText(tr("&Whole word"));
    actionRegularExpression->setText(tr("&Regex"));
    actionBoolean->setText(tr("&Boolean"));
}

void MainWindowActions::retranslateViews()
{
    actionSearchParameters->setText(tr("&Search Parameters"));
    actionToolbar->setText(tr("&Toolbar"));
    actionInstantSearch->setText(tr("&Instant Search"));
    actionFilterBar->setText(tr("&Filter Bar"));
}
