#include "ui/ListPairDialog.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

QPlainTextEdit *listEdit(const QString &objectName, const QStringList &entries, QWidget *parent)
{
    auto *edit = new QPlainTextEdit(parent);
    edit->setObjectName(objectName);
    edit->setLineWrapMode(QPlainTextEdit::NoWrap);
    // Tab moves on to the next control; a list entry never holds a tab.
    edit->setTabChangesFocus(true);
    edit->setPlainText(entries.join(QLatin1Char('\n')));
    return edit;
}

} // namespace

ListPairDialog::ListPairDialog(const QStringList &includeList, const QStringList &excludeList,
                               bool withBrowseButtons, QWidget *parent)
    : QDialog(parent)
    , m_includeLabel(new QLabel(this))
    , m_excludeLabel(new QLabel(this))
    , m_includeEdit(listEdit(QStringLiteral("includeTextEdit"), includeList, this))
    , m_excludeEdit(listEdit(QStringLiteral("excludeTextEdit"), excludeList, this))
{
    m_includeLabel->setBuddy(m_includeEdit);
    m_excludeLabel->setBuddy(m_excludeEdit);
    auto *layout = new QGridLayout(this);
    layout->addWidget(m_includeLabel, 0, 0);
    layout->addWidget(m_includeEdit, 1, 0);
    layout->addWidget(m_excludeLabel, 2, 0);
    layout->addWidget(m_excludeEdit, 3, 0);
    if (withBrowseButtons) {
        m_includeBrowseButton = new QPushButton(this);
        m_includeBrowseButton->setObjectName(QStringLiteral("includeBrowseButton"));
        m_excludeBrowseButton = new QPushButton(this);
        m_excludeBrowseButton->setObjectName(QStringLiteral("excludeBrowseButton"));
        layout->addWidget(m_includeBrowseButton, 1, 1, Qt::AlignTop);
        layout->addWidget(m_excludeBrowseButton, 3, 1, Qt::AlignTop);
    }
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons, 4, 0, 1, -1);
}

QStringList ListPairDialog::includeList() const
{
    return m_includeEdit->toPlainText().split(QLatin1Char('\n'));
}

QStringList ListPairDialog::excludeList() const
{
    return m_excludeEdit->toPlainText().split(QLatin1Char('\n'));
}

void ListPairDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}
