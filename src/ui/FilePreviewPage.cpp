#include "ui/FilePreviewPage.h"

#include "base/Settings.h"
#include "ui/FindBar.h"
#include "ui/LocationPane.h"
#include "ui/MatchesTextView.h"

#include <QAction>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPlainTextDocumentLayout>
#include <QPlainTextEdit>
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

FilePreviewPage::~FilePreviewPage()
{
    // The view must let go of the shown document before it is deleted.
    m_textEdit->setDocument(nullptr);
}

void FilePreviewPage::showFile(const ContentMatches &matches)
{
    clear();
    if (matches.filePath.isEmpty())
        return;
    m_matches = matches.lines;
    m_textEdit->setPlaceholderText(tr("Reading %1...").arg(matches.filePath));
    m_reader.read(matches.filePath, m_matches, highlightFormat());
}

void FilePreviewPage::clear()
{
    m_reader.cancel();
    m_matches.clear();
    m_shown = FileText();
    showDocument(nullptr);
    m_textEdit->setPlaceholderText(QString());
    m_locationPane->clear();
    updateNotice();
}

// Null shows an empty text (the view makes a document of its own).
void FilePreviewPage::showDocument(const std::shared_ptr<QTextDocument> &document)
{
    if (document) {
        // Laid out here, on the thread that paints it.
        document->setDocumentLayout(new QPlainTextDocumentLayout(document.get()));
    }
    m_textEdit->setDocument(document.get());
    m_document = document;
    // A new document takes the view's font only through the view.
    m_textEdit->document()->setDefaultFont(m_textEdit->font());
}

void FilePreviewPage::onFileRead(const FileText &text)
{
    m_textEdit->setPlaceholderText(QString());
    m_shown = text;
    m_shown.document.reset();
    showDocument(text.document);
    updateNotice();
    // Matches past the end of what was read cannot be shown or marked.
    while (!m_matches.isEmpty() && m_matches.last().lineNumber >= text.lineCount)
        m_matches.removeLast();
    QList<int> lines;
    lines.reserve(m_matches.size());
    for (const MatchLine &match : qAsConst(m_matches))
        lines.append(match.lineNumber);
    m_locationPane->setLines(text.lineCount, lines);
    emit fileShown();
}

QTextCharFormat FilePreviewPage::highlightFormat()
{
    QTextCharFormat format;
    format.setForeground(Qt::black);
    format.setBackground(QColor(QRgb(Settings::instance()->highlightColor())));
    return format;
}

// Another tab may have changed an option while this one was hidden.
void FilePreviewPage::showEvent(QShowEvent *event)
{
    if (settingsSnapshot() != m_appliedSettings)
        applySettings();
    QWidget::showEvent(event);
}

QVariantList FilePreviewPage::settingsSnapshot()
{
    return {Settings::instance()->value(Settings::WordWrap), Settings::instance()->value(Settings::HighlightColor)};
}

void FilePreviewPage::applySettings()
{
    m_appliedSettings = settingsSnapshot();
    const bool wrap = Settings::instance()->value(Settings::WordWrap).toBool();
    {
        const QSignalBlocker blocker(m_wordWrapAction);
        m_wordWrapAction->setChecked(wrap);
    }
    m_textEdit->setLineWrapMode(wrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    if (m_document)
        FileTextReader::highlight(m_document.get(), m_matches, highlightFormat());
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
    if (m_shown.linesCut) {
        const QString cut = tr("Lines longer than %1 characters are cut.").arg(FileTextReader::kMaxLineLength);
        notice = notice.isEmpty() ? cut : notice + QLatin1Char(' ') + cut;
    }
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
