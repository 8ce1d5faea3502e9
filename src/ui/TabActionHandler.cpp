#include "ui/TabActionHandler.h"

#include "ui/FileTable.h"
#include "ui/FileTableView.h"
#include "ui/MainWindowActions.h"
#include "ui/PreviewTabWidget.h"
#include "ui/TabPage.h"

#include <QAction>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace {

// What a text offers to the edit actions.
struct TextState
{
    bool editable = false;
    bool selected = false;
    bool empty = true;
};

bool isText(const QWidget *widget)
{
    return qobject_cast<const QLineEdit *>(widget) || qobject_cast<const QPlainTextEdit *>(widget)
        || qobject_cast<const QTextEdit *>(widget);
}

// The text a focused widget edits: itself, or the line edit of an editable
// combo or a spin box, which hand their focus to the box.
QWidget *textOf(QWidget *focus)
{
    if (auto *combo = qobject_cast<QComboBox *>(focus))
        return combo->isEditable() ? combo->lineEdit() : nullptr;
    if (auto *spin = qobject_cast<QAbstractSpinBox *>(focus))
        return spin->findChild<QLineEdit *>();
    return isText(focus) ? focus : nullptr;
}

TextState stateOf(QWidget *text)
{
    if (auto *line = qobject_cast<QLineEdit *>(text))
        return {!line->isReadOnly(), line->hasSelectedText(), line->text().isEmpty()};
    if (auto *plain = qobject_cast<QPlainTextEdit *>(text))
        return {!plain->isReadOnly(), plain->textCursor().hasSelection(), plain->document()->isEmpty()};
    if (auto *rich = qobject_cast<QTextEdit *>(text))
        return {!rich->isReadOnly(), rich->textCursor().hasSelection(), rich->document()->isEmpty()};
    return {};
}

// Calls the same-named operation of whichever text class `text` is.
template<typename LineOp, typename PlainOp, typename RichOp>
void onText(QWidget *text, LineOp line, PlainOp plain, RichOp rich)
{
    if (auto *edit = qobject_cast<QLineEdit *>(text))
        line(edit);
    else if (auto *edit = qobject_cast<QPlainTextEdit *>(text))
        plain(edit);
    else if (auto *edit = qobject_cast<QTextEdit *>(text))
        rich(edit);
}

// Del in a text: the selection, or the character after the cursor.
template<typename Edit>
void deleteCharacter(Edit *edit)
{
    QTextCursor cursor = edit->textCursor();
    cursor.deleteChar();
    edit->setTextCursor(cursor);
}

// `widget` lies in `window` or in one of its floating parts (the dock).
bool belongsTo(const QWidget *widget, const QWidget *window)
{
    for (const QWidget *part = widget; part; part = part->parentWidget()) {
        if (part == window)
            return true;
    }
    return false;
}

} // namespace

TabActionHandler::TabActionHandler(MainWindowActions *actions, QWidget *window)
    : QObject(window)
    , m_actions(actions)
    , m_window(window)
{
    connect(actions->actionCut, &QAction::triggered, this, &TabActionHandler::cut);
    connect(actions->actionCopy, &QAction::triggered, this, &TabActionHandler::copy);
    connect(actions->actionDelete, &QAction::triggered, this, &TabActionHandler::deleteSelected);
    connect(actions->actionDeletePermanently, &QAction::triggered, this, &TabActionHandler::deletePermanently);
    connect(actions->actionSelectAll, &QAction::triggered, this, &TabActionHandler::selectAll);
    const std::pair<QAction *, void (TabPage::*)()> tableOnly[] = {
        {actions->actionCopyName, &TabPage::copyName},
        {actions->actionCopyFullName, &TabPage::copyFullName},
        {actions->actionCopyPath, &TabPage::copyPath},
    };
    for (const auto &[action, command] : tableOnly) {
        connect(action, &QAction::triggered, this, [this, command = command] {
            if (m_tab)
                (m_tab->*command)();
        });
    }
    connect(qApp, &QApplication::focusChanged, this, &TabActionHandler::onFocusChanged);
    updateActions();
}

void TabActionHandler::setCurrentTab(TabPage *tab)
{
    for (const QMetaObject::Connection &connection : qAsConst(m_tabConnections))
        disconnect(connection);
    m_tabConnections.clear();
    m_tab = tab;
    if (m_tab)
        connectTab();
    updateActions();
}

void TabActionHandler::connectTab()
{
    FileTableView *view = m_tab->table()->view();
    auto update = [this] { updateActions(); };
    m_tabConnections << connect(view->selectionModel(), &QItemSelectionModel::selectionChanged, this, update);
    QAbstractItemModel *model = view->model();
    m_tabConnections << connect(model, &QAbstractItemModel::rowsInserted, this, update)
                     << connect(model, &QAbstractItemModel::rowsRemoved, this, update)
                     << connect(model, &QAbstractItemModel::modelReset, this, update)
                     << connect(model, &QAbstractItemModel::layoutChanged, this, update);
}

QWidget *TabActionHandler::focusedText() const
{
    // A menu or the menu bar in front keeps the focus where it was.
    QWidget *focus = QApplication::focusWidget();
    if (!focus || !belongsTo(focus, m_window))
        focus = m_window->focusWidget();
    return textOf(focus);
}

void TabActionHandler::onFocusChanged(QWidget *, QWidget *now)
{
    if (now && !belongsTo(now, m_window))
        return;
    followText(focusedText());
    updateActions();
}

void TabActionHandler::followText(QWidget *text)
{
    if (text == m_text)
        return;
    for (const QMetaObject::Connection &connection : qAsConst(m_textConnections))
        disconnect(connection);
    m_textConnections.clear();
    m_text = text;
    auto update = [this] { updateActions(); };
    onText(
        text,
        [&](QLineEdit *edit) {
            m_textConnections << connect(edit, &QLineEdit::selectionChanged, this, update)
                              << connect(edit, &QLineEdit::textChanged, this, update);
        },
        [&](QPlainTextEdit *edit) {
            m_textConnections << connect(edit, &QPlainTextEdit::selectionChanged, this, update)
                              << connect(edit, &QPlainTextEdit::textChanged, this, update);
        },
        [&](QTextEdit *edit) {
            m_textConnections << connect(edit, &QTextEdit::selectionChanged, this, update)
                              << connect(edit, &QTextEdit::textChanged, this, update);
        });
}

void TabActionHandler::updateActions()
{
    const bool selection = m_tab && m_tab->hasSelection();
    m_actions->actionExportResults->setEnabled(m_tab && m_tab->hasRows());
    for (QAction *action : {m_actions->actionCopyName, m_actions->actionCopyFullName, m_actions->actionCopyPath})
        action->setEnabled(selection);
    if (QWidget *text = focusedText()) {
        const TextState state = stateOf(text);
        m_actions->actionCut->setEnabled(state.editable && state.selected);
        m_actions->actionCopy->setEnabled(state.selected);
        m_actions->actionDelete->setEnabled(state.editable && !state.empty);
        m_actions->actionDeletePermanently->setEnabled(state.editable && state.selected);
        m_actions->actionSelectAll->setEnabled(!state.empty);
        return;
    }
    for (QAction *action : {m_actions->actionCut, m_actions->actionCopy, m_actions->actionDelete,
                            m_actions->actionDeletePermanently})
        action->setEnabled(selection);
    m_actions->actionSelectAll->setEnabled(m_tab && m_tab->hasRows());
}

void TabActionHandler::cut()
{
    if (QWidget *text = focusedText()) {
        if (stateOf(text).editable)
            onText(text, [](QLineEdit *e) { e->cut(); }, [](QPlainTextEdit *e) { e->cut(); },
                   [](QTextEdit *e) { e->cut(); });
    } else if (m_tab) {
        m_tab->cut();
    }
}

void TabActionHandler::copy()
{
    if (QWidget *text = focusedText())
        onText(text, [](QLineEdit *e) { e->copy(); }, [](QPlainTextEdit *e) { e->copy(); },
               [](QTextEdit *e) { e->copy(); });
    else if (m_tab)
        m_tab->copy();
}

void TabActionHandler::deleteSelected()
{
    if (QWidget *text = focusedText()) {
        if (stateOf(text).editable)
            onText(text, [](QLineEdit *e) { e->del(); }, deleteCharacter<QPlainTextEdit>, deleteCharacter<QTextEdit>);
    } else if (m_tab) {
        m_tab->deleteSelected();
    }
}

// Shift+Del in a text is the old key for Cut.
void TabActionHandler::deletePermanently()
{
    if (focusedText())
        cut();
    else if (m_tab)
        m_tab->deletePermanently();
}

void TabActionHandler::selectAll()
{
    if (QWidget *text = focusedText())
        onText(text, [](QLineEdit *e) { e->selectAll(); }, [](QPlainTextEdit *e) { e->selectAll(); },
               [](QTextEdit *e) { e->selectAll(); });
    else if (m_tab)
        m_tab->selectAll();
}

bool TabActionHandler::escape()
{
    if (!m_tab)
        return false;
    if (m_tab->preview()->closeFindBar())
        return true;
    if (m_tab->isSearching()) {
        m_tab->cancel();
        return true;
    }
    return false;
}
