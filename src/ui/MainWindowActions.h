#pragma once

#include <QList>
#include <QObject>

class QAction;
class QActionGroup;
class QMainWindow;
class QMenu;
class QToolBar;

// Every command of the main window: the actions (with their object names,
// captions and shortcuts), the six menus and the command toolbar. The window
// decides what the actions do; this class only makes them and re-sets their
// texts when the language changes.
class MainWindowActions : public QObject
{
    Q_OBJECT
public:
    // The actions, menus and toolbar are children of `window` and are added
    // to its menu bar; the toolbar is added by the window itself.
    explicit MainWindowActions(QMainWindow *window);

    void retranslate();
    // The language actions, each with its code in the property "id".
    QList<QAction *> languageActions() const;
    // Checks the language action whose "id" is `code` (lower-cased).
    void checkLanguage(const QString &code);
    QList<QMenu *> menus() const;

    QAction *actionOptions;
    QAction *actionNewSearch;
    QAction *actionClosePage;
    QAction *actionNextTab;
    QAction *actionPreviousTab;
    QAction *actionExit;
    QAction *actionAbout;
    QAction *actionCut;
    QAction *actionCopy;
    QAction *actionDelete;
    QAction *actionDeletePermanently;
    QAction *actionSelectAll;
    QAction *actionCopyName;
    QAction *actionCopyFullName;
    QAction *actionCopyPath;
    QAction *actionHelp;
    QAction *actionCaseSensitive;
    QAction *actionSubstring;
    QAction *actionWholeWord;
    QAction *actionRegularExpression;
    QAction *actionBoolean;
    QAction *actionSearchParameters;
    QAction *actionToolbar;
    QAction *actionInstantSearch;
    QAction *actionFilterBar;
    QAction *actionExportResults;
    QAction *actionDuplicateSearch;
    QAction *actionRestore;
    QAction *actionMinimize;
    // Esc: closes the preview's find bar, cancels the running search or
    // minimises, the first that applies. In no menu; "Minimize" shows it.
    QAction *actionEscape;

    QMenu *fileMenu;
    QMenu *editMenu;
    QMenu *toolsMenu;
    QMenu *languageMenu;
    QMenu *helpMenu;
    QMenu *viewMenu;
    QToolBar *commandToolBar;

private:
    QAction *make(const char *objectName, const char *shortcut = nullptr, bool checkable = false);
    void makeActions();
    void makeLanguageActions();
    void makeMenus();
    void makeToolBar();
    void retranslateCommands();
    void retranslateEditing();
    void retranslateViews();

    QMainWindow *m_window;
    QActionGroup *m_expressionTypes;
    QActionGroup *m_languages;
};
