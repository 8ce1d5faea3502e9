#include "ui/FindBar.h"

#include <QAction>
#include <QCheckBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>
#include <QToolButton>

namespace {

QToolButton *actionButton(QAction *action, QWidget *parent)
{
    auto *button = new QToolButton(parent);
    button->setDefaultAction(action);
    button->setAutoRaise(true);
    return button;
}

QAction *pageAction(QWidget *page, const char *name, const QKeySequence &keys)
{
    auto *action = new QAction(page);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(keys);
    // Only while the focus is inside this page: both preview pages have one.
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    page->addAction(action);
    return action;
}

} // namespace

FindBar::FindBar(QPlainTextEdit *editor, QWidget *page)
    : QWidget(page)
    , m_editor(editor)
    , m_lineEdit(new QLineEdit(this))
    , m_caseCheckBox(new QCheckBox(this))
    , m_statusLabel(new QLabel(this))
{
    setObjectName(QStringLiteral("findBar"));
    m_lineEdit->setObjectName(QStringLiteral("findLineEdit"));
    m_caseCheckBox->setObjectName(QStringLiteral("findCaseCheckBox"));
    addPageActions(page);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(actionButton(m_closeAction, this));
    layout->addWidget(m_lineEdit, 1);
    layout->addWidget(actionButton(m_previousAction, this));
    layout->addWidget(actionButton(m_nextAction, this));
    layout->addWidget(m_caseCheckBox);
    layout->addWidget(m_statusLabel);

    connect(m_lineEdit, &QLineEdit::textEdited, this, &FindBar::findFromHit);
    connect(m_lineEdit, &QLineEdit::returnPressed, this, &FindBar::findNext);
    connect(m_caseCheckBox, &QCheckBox::toggled, this, &FindBar::findFromHit);
    retranslate();
    hide();
}

void FindBar::addPageActions(QWidget *page)
{
    m_findAction = pageAction(page, "actionFind", QKeySequence::Find);
    m_nextAction = pageAction(page, "actionFindNext", QKeySequence(Qt::Key_F3));
    m_previousAction = pageAction(page, "actionFindPrevious", QKeySequence(Qt::SHIFT + Qt::Key_F3));
    m_closeAction = pageAction(page, "actionCloseFind", QKeySequence());
    m_lineEdit->installEventFilter(this);
    connect(m_findAction, &QAction::triggered, this, &FindBar::open);
    connect(m_nextAction, &QAction::triggered, this, &FindBar::findNext);
    connect(m_previousAction, &QAction::triggered, this, &FindBar::findPrevious);
    connect(m_closeAction, &QAction::triggered, this, &FindBar::close);
}

void FindBar::open()
{
    const QString selected = m_editor->textCursor().selectedText();
    // A selection over several lines holds paragraph separators: not a find text.
    if (!selected.isEmpty() && !selected.contains(QChar::ParagraphSeparator))
        m_lineEdit->setText(selected);
    show();
    m_lineEdit->setFocus(Qt::ShortcutFocusReason);
    m_lineEdit->selectAll();
}

void FindBar::close()
{
    hide();
    m_statusLabel->clear();
    m_editor->setFocus(Qt::OtherFocusReason);
}

bool FindBar::findNext()
{
    return step(/*backward=*/false);
}

bool FindBar::findPrevious()
{
    return step(/*backward=*/true);
}

// F3 before anything was looked for opens the bar instead.
bool FindBar::step(bool backward)
{
    if (isHidden() && m_lineEdit->text().isEmpty()) {
        open();
        return false;
    }
    const bool found = find(backward, /*fromSelectionStart=*/false);
    showResult(found);
    return found;
}

// Typing searches again from where the current hit starts, so the hit grows
// with the text instead of jumping to the next occurrence.
void FindBar::findFromHit()
{
    showResult(find(/*backward=*/false, /*fromSelectionStart=*/true));
}

bool FindBar::find(bool backward, bool fromSelectionStart)
{
    const QString text = m_lineEdit->text();
    if (text.isEmpty())
        return false;
    QTextDocument::FindFlags flags;
    if (backward)
        flags |= QTextDocument::FindBackward;
    if (m_caseCheckBox->isChecked())
        flags |= QTextDocument::FindCaseSensitively;

    QTextDocument *document = m_editor->document();
    QTextCursor from = m_editor->textCursor();
    if (fromSelectionStart)
        from.setPosition(from.selectionStart());
    QTextCursor hit = document->find(text, from, flags);
    if (hit.isNull()) {
        QTextCursor wrapped(document);
        wrapped.movePosition(backward ? QTextCursor::End : QTextCursor::Start);
        hit = document->find(text, wrapped, flags);
    }
    if (hit.isNull())
        return false;
    m_editor->setTextCursor(hit);
    m_editor->ensureCursorVisible();
    return true;
}

void FindBar::showResult(bool found)
{
    m_statusLabel->setText(found || m_lineEdit->text().isEmpty() ? QString() : tr("Not found"));
}

// Esc in the field is the bar's own, before any window-wide use of the key.
bool FindBar::eventFilter(QObject *watched, QEvent *event)
{
    const bool key = event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress;
    if (watched == m_lineEdit && key && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape
        && static_cast<QKeyEvent *>(event)->modifiers() == Qt::NoModifier) {
        event->accept();
        if (event->type() == QEvent::KeyPress)
            close();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void FindBar::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void FindBar::retranslate()
{
    m_findAction->setText(tr("Find..."));
    m_nextAction->setText(tr("Next"));
    m_nextAction->setToolTip(tr("Find the next occurrence (F3)"));
    m_previousAction->setText(tr("Previous"));
    m_previousAction->setToolTip(tr("Find the previous occurrence (Shift+F3)"));
    m_closeAction->setText(tr("Close"));
    m_closeAction->setToolTip(tr("Close the find bar (Esc)"));
    m_lineEdit->setPlaceholderText(tr("Find"));
    m_lineEdit->setAccessibleName(tr("Text to find"));
    m_caseCheckBox->setText(tr("Match case"));
}
