#include "ui/MatchesTextView.h"

#include "base/Settings.h"
#include "ui/MatchesTextBuilder.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QFontDatabase>
#include <QMenu>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextCursor>

#include <memory>

namespace {

const QString kLineEnd = QStringLiteral("\r\n");

void mergeFormat(QTextDocument *document, int from, int to, const QTextCharFormat &format)
{
    QTextCursor cursor(document);
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    cursor.mergeCharFormat(format);
}

QTextCharFormat coloured(const QColor &foreground, const QColor &background = QColor())
{
    QTextCharFormat format;
    format.setForeground(foreground);
    if (background.isValid())
        format.setBackground(background);
    return format;
}

} // namespace

MatchesTextView::MatchesTextView(QWidget *parent)
    : QPlainTextEdit(parent)
    , m_fullLineAction(new QAction(this))
{
    setObjectName(QStringLiteral("matchesTextEdit"));
    setReadOnly(true);
    setFont(previewFont());
    setLineWrapMode(QPlainTextEdit::NoWrap);
    m_fullLineAction->setObjectName(QStringLiteral("actionFullLine"));
    m_fullLineAction->setCheckable(true);
    m_fullLineAction->setChecked(Settings::instance()->value(Settings::ShowFullMatchedLine).toBool());
    connect(m_fullLineAction, &QAction::toggled, this, &MatchesTextView::onFullLineToggled);
    retranslate();
}

QFont MatchesTextView::previewFont()
{
    const QString family = QStringLiteral("Courier New");
    if (QFontDatabase().families().contains(family, Qt::CaseInsensitive))
        return QFont(family);
    return QFontDatabase::systemFont(QFontDatabase::FixedFont);
}

void MatchesTextView::setMatches(const ContentMatches &matches)
{
    m_lines = matches.lines;
    rebuild();
}

void MatchesTextView::clear()
{
    m_lines.clear();
    QPlainTextEdit::clear();
}

void MatchesTextView::applySettings()
{
    const QSignalBlocker blocker(m_fullLineAction);
    m_fullLineAction->setChecked(Settings::instance()->value(Settings::ShowFullMatchedLine).toBool());
    rebuild();
}

void MatchesTextView::onFullLineToggled(bool on)
{
    Settings::instance()->setValue(Settings::ShowFullMatchedLine, on);
    rebuild();
}

// The values the text depends on, to tell whether it is out of date.
QVariantList MatchesTextView::settingsSnapshot()
{
    Settings *settings = Settings::instance();
    QVariantList values;
    for (Settings::Key key : {Settings::ShowMaximumMatches, Settings::ShowFullMatchedLine,
                              Settings::PreviewCharsBeforeMatch, Settings::PreviewCharsAfterMatch,
                              Settings::HighlightColor})
        values.append(settings->value(key));
    return values;
}

// Another tab may have changed an option while this one was hidden.
void MatchesTextView::showEvent(QShowEvent *event)
{
    if (settingsSnapshot() != m_appliedSettings)
        applySettings();
    QPlainTextEdit::showEvent(event);
}

void MatchesTextView::rebuild()
{
    m_appliedSettings = settingsSnapshot();
    Settings *settings = Settings::instance();
    MatchesTextBuilder::Options options;
    options.maximumMatches = settings->value(Settings::ShowMaximumMatches).toInt();
    options.fullLine = settings->value(Settings::ShowFullMatchedLine).toBool();
    options.charsBefore = settings->value(Settings::PreviewCharsBeforeMatch).toInt();
    options.charsAfter = settings->value(Settings::PreviewCharsAfterMatch).toInt();
    MatchesTextBuilder builder(options);
    builder.build(m_lines);

    QString text;
    if (builder.isCut())
        text += tr("Only the first %1 matches are shown.").arg(builder.limit()) + kLineEnd;
    for (const MatchesTextBuilder::Line &line : builder.lines())
        text += line.text + kLineEnd;
    setPlainText(text);

    if (builder.isCut()) {
        const QTextBlock notice = document()->firstBlock();
        mergeFormat(document(), notice.position(), notice.position() + notice.length() - 1,
                    coloured(QColor(QStringLiteral("dimgrey"))));
    }
    colour(builder, builder.isCut() ? 1 : 0);
}

// "\r\n" is one block break in the document, so output lines are placed by
// block rather than by offsets into the text.
void MatchesTextView::colour(const MatchesTextBuilder &builder, int firstBlock)
{
    const QTextCharFormat number = coloured(QColor(QStringLiteral("blue")), QColor(QStringLiteral("white")));
    const QTextCharFormat match = coloured(QColor(QStringLiteral("black")),
                                           QColor(QRgb(Settings::instance()->highlightColor())));
    QTextDocument *doc = document();
    QTextBlock block = doc->findBlockByNumber(firstBlock);
    for (const MatchesTextBuilder::Line &line : builder.lines()) {
        if (!block.isValid())
            break;
        const int base = block.position();
        mergeFormat(doc, base, base + line.numberLength, number);
        for (const auto &position : line.matches)
            mergeFormat(doc, base + position.first, base + position.first + position.second, match);
        block = block.next();
    }
}

void MatchesTextView::contextMenuEvent(QContextMenuEvent *event)
{
    std::unique_ptr<QMenu> menu(createStandardContextMenu(event->pos()));
    menu->addSeparator();
    menu->addAction(m_fullLineAction);
    menu->exec(event->globalPos());
}

void MatchesTextView::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
        rebuild();
    }
    QPlainTextEdit::changeEvent(event);
}

void MatchesTextView::retranslate()
{
    m_fullLineAction->setText(tr("Full line"));
    setAccessibleName(tr("Matching lines"));
}
