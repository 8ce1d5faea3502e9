#include "ui/FilePreviewPage.h"

#include "app/Settings.h"
#include "ui/FindBar.h"
#include "ui/LocationPane.h"
#include "ui/MatchesTextView.h"

#include <QAction>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QVBoxLayout>

#include <memory>

FilePreviewPage::FilePreviewPage(QWidget *parent)
    : QWidget(parent)
    , m_textEdit(new QPlainTextEdit(this))
    , m_locationPane(new LocationPane(this))
    , m_noticeLabel(new QLabel(this))
    , m_wordWrapAction(new QAction(this))
{
    setObjectName(QStringLiteral("filePreviewPage"));
    m_textEdit->setObjectName(QStringLiteral("fileTextEdit"));
    m_textEdit->setReadOnly(true);
    m_textEdit->setFont(MatchesTextView::previewFont());
    m_textEdit->setContextMenuPolicy(Qt::CustomContextMenu);
    // Highlighting edits formats; a read-only view needs no undo history.
    m_textEdit->setUndoRedoEnabled(false);
    m_noticeLabel->setObjectName(QStringLiteral("fileNoticeLabel"));
    m_noticeLabel->setWordWrap(true);
    m_locationPane->setView(m_textEdit);
    m_findBar = new FindBar(m_textEdit, this);

    m_wordWrapAction->setObjectName(QStringLiteral("actionWordWrap"));
    m_wordWrapAction->setCheckable(true);
    connect(m_wordWrapAction, &QAction::toggled, this, &FilePreviewPage::onWordWrapToggled);
    connect(m_textEdit, &QWidget::customContextMenuRequested, this, &FilePreviewPage::showContextMenu);
    connect(&m_reader, &FileTextReader::finished, this, &FilePreviewPage::onFileRead);

    auto *textRow = new QHBoxLayout;
    textRow->setContentsMargins(0, 0, 0, 0);
    textRow->addWidget(m_textEdit, 1);
    textRow->addWidget(m_locationPane);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_noticeLabel);
    layout->addLayout(textRow, 1);
    layout->addWidget(m_findBar);
    retranslate();
    applySettings();
}

void FilePreviewPage::showFile(const ContentMatches &matches)
{
    clear();
    if (matches.filePath.isEmpty())
        return;
    m_matches = matches.lines;
    m_textEdit->setPlaceholderText(tr("Reading %1...").arg(matches.filePath));
    m_reader.read(matches.filePath);
}

void FilePreviewPage::clear()
{
    m_reader.cancel();
    m_matches.clear();
    m_shown = FileText();
    m_textEdit->clear();
    m_textEdit->setPlaceholderText(QString());
    m_locationPane->clear();
    updateNotice();
}

void FilePreviewPage::onFileRead(const FileText &text)
{
    m_textEdit->setPlaceholderText(QString());
    m_shown = text;
    m_shown.text.clear();
    if (!text.failed)
        m_textEdit->setPlainText(text.text);
    updateNotice();
    // Matches past the end of what was read cannot be shown or marked.
    while (!m_matches.isEmpty() && m_matches.last().lineNumber >= text.lineCount)
        m_matches.removeLast();
    QList<int> lines;
    lines.reserve(m_matches.size());
    for (const MatchLine &match : qAsConst(m_matches))
        lines.append(match.lineNumber);
    m_locationPane->setLines(text.lineCount, lines);
    highlightMatches();
    emit fileShown();
}

// Formats in the document rather than extra selections: those are walked on
// every paint, and a file may hold many thousands of matches.
void FilePreviewPage::highlightMatches()
{
    if (m_shown.path.isEmpty())
        return; // nothing read yet
    QTextCharFormat format;
    format.setForeground(Qt::black);
    format.setBackground(QColor(QRgb(Settings::instance()->highlightColor())));
    QTextDocument *document = m_textEdit->document();
    QTextCursor cursor(document);
    cursor.beginEditBlock();
    for (const MatchLine &match : qAsConst(m_matches)) {
        const QTextBlock block = document->findBlockByNumber(match.lineNumber);
        if (!block.isValid())
            continue;
        const int length = block.length() - 1;
        for (const auto &position : match.positions) {
            const int from = qBound(0, position.first, length);
            const int to = qBound(from, position.first + position.second, length);
            if (to == from)
                continue;
            cursor.setPosition(block.position() + from);
            cursor.setPosition(block.position() + to, QTextCursor::KeepAnchor);
            cursor.mergeCharFormat(format);
        }
    }
    cursor.endEditBlock();
}

void FilePreviewPage::applySettings()
{
    const bool wrap = Settings::instance()->value(Settings::WordWrap).toBool();
    {
        const QSignalBlocker blocker(m_wordWrapAction);
        m_wordWrapAction->setChecked(wrap);
    }
    m_textEdit->setLineWrapMode(wrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    highlightMatches();
}

void FilePreviewPage::onWordWrapToggled(bool on)
{
    Settings::instance()->setValue(Settings::WordWrap, on);
    applySettings();
}

void FilePreviewPage::showContextMenu(const QPoint &pos)
{
    std::unique_ptr<QMenu> menu(m_textEdit->createStandardContextMenu(pos));
    menu->addSeparator();
    menu->addAction(m_wordWrapAction);
    menu->exec(m_textEdit->viewport()->mapToGlobal(pos));
}

void FilePreviewPage::updateNotice()
{
    QString notice;
    if (m_shown.failed)
        notice = tr("The file %1 cannot be opened.").arg(m_shown.path);
    else if (m_shown.truncated)
        notice = tr("The file is larger than %1 MiB: only its first %1 MiB are shown.")
                     .arg(FileTextReader::kByteLimit / (1024 * 1024));
    m_noticeLabel->setText(notice);
    m_noticeLabel->setVisible(!notice.isEmpty());
}

void FilePreviewPage::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void FilePreviewPage::retranslate()
{
    m_wordWrapAction->setText(tr("Word Wrap"));
    m_textEdit->setAccessibleName(tr("File text"));
    updateNotice();
}
