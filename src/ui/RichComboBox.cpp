#include "ui/RichComboBox.h"

#include "ui/RichLineEdit.h"

#include <QAbstractButton>
#include <QAction>
#include <QEvent>
#include <QIcon>
#include <QMenu>

RichComboBox::RichComboBox(QWidget *parent)
    : QComboBox(parent)
{
    // Made once the rules exist: the line edit reads them as it lays out.
    m_lineEdit = new RichLineEdit(this);
    m_keywordMenu = new QMenu(this);
    setEditable(true);
    setLineEdit(m_lineEdit);
    connect(this, QOverload<int>::of(&QComboBox::currentIndexChanged), m_lineEdit, &RichLineEdit::resetLeftMost);

    m_keywordMenu->setObjectName(QStringLiteral("keywordMenu"));
    // The inserted word is the keyword itself, never the translated caption.
    for (const char *keyword : {"and", "or", "not"}) {
        QAction *action = m_keywordMenu->addAction(QString());
        action->setData(QString::fromLatin1(keyword));
        connect(action, &QAction::triggered, this, [this, action]() { insertKeyword(action->data().toString()); });
    }
    retranslate();
}

void RichComboBox::addHighlight(const QStringList &words, const QTextCharFormat &format)
{
    m_highlights.append(Highlight{words, format});
    m_lineEdit->updateInternal();
}

void RichComboBox::clearHighlights()
{
    m_highlights.clear();
    m_lineEdit->updateInternal();
}

void RichComboBox::setBooleanPresentation(RichComboBox *field, QAbstractButton *assistButton, bool on)
{
    field->clearHighlights();
    if (on) {
        assistButton->setIcon(QIcon(QStringLiteral(":Images/LeftArrow.png")));
        assistButton->setText(QString());
        QTextCharFormat bold;
        bold.setFontWeight(75);
        field->addHighlight({QStringLiteral("and"), QStringLiteral("or"), QStringLiteral("not")}, bold);
    } else {
        assistButton->setIcon(QIcon());
        assistButton->setText(QStringLiteral("..."));
    }
}

void RichComboBox::popupKeywordMenu(QWidget *button)
{
    m_keywordMenu->popup(button->mapToGlobal(button->rect().bottomLeft()));
}

void RichComboBox::insertKeyword(const QString &keyword)
{
    const QString text = m_lineEdit->text();
    const int cursor = m_lineEdit->cursorPosition();
    QString insertion;
    if (cursor > 0 && text.at(cursor - 1) != QLatin1Char(' '))
        insertion += QLatin1Char(' ');
    insertion += keyword;
    if (cursor >= text.size() || text.at(cursor) != QLatin1Char(' '))
        insertion += QLatin1Char(' ');
    // Through the line edit, so that the insertion can be undone.
    m_lineEdit->deselect();
    m_lineEdit->insert(insertion);
    m_lineEdit->setFocus(Qt::OtherFocusReason);
}

void RichComboBox::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QComboBox::changeEvent(event);
}

void RichComboBox::retranslate()
{
    const QList<QAction *> actions = m_keywordMenu->actions();
    actions.at(0)->setText(tr("And"));
    actions.at(1)->setText(tr("Or"));
    actions.at(2)->setText(tr("Not"));
}
