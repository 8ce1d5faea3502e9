#pragma once

#include "content/ContentMatches.h"
#include "ui/FileTextReader.h"

#include <QVariantList>
#include <QWidget>

#include <memory>

class FindBar;
class LocationPane;
class QAction;
class QLabel;
class QPlainTextEdit;
class QTextCharFormat;
class QTextDocument;

// The "File" page of a tab: the text of the previewed file (the converted
// text for documents, the same text the content search matched), its matches
// highlighted, the location pane beside it and a find bar below. The file is
// read on a worker; the page shows it when the read ends.
class FilePreviewPage : public QWidget
{
    Q_OBJECT
public:
    explicit FilePreviewPage(QWidget *parent = nullptr);
    ~FilePreviewPage() override;

    // Reads matches.filePath and highlights matches.lines once it is shown.
    void showFile(const ContentMatches &matches);
    // Empties the page and drops a read still running.
    void clear();
    // Re-reads "WordWrap" and the highlight colour.
    void applySettings();

    QPlainTextEdit *textEdit() const { return m_textEdit; }
    LocationPane *locationPane() const { return m_locationPane; }
    QLabel *noticeLabel() const { return m_noticeLabel; }
    FindBar *findBar() const { return m_findBar; }
    // The checkable "Word Wrap" entry of the text's context menu.
    QAction *wordWrapAction() const { return m_wordWrapAction; }

signals:
    // The file's text is shown (or its failure noted); for tests and status.
    void fileShown();

protected:
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void onFileRead(const FileText &text);
    void onWordWrapToggled(bool on);
    void showContextMenu(const QPoint &pos);
    void showDocument(const std::shared_ptr<QTextDocument> &document);
    static QTextCharFormat highlightFormat();
    static QVariantList settingsSnapshot();
    void updateNotice();
    void retranslate();

    QPlainTextEdit *m_textEdit;
    LocationPane *m_locationPane;
    QLabel *m_noticeLabel;
    FindBar *m_findBar;
    QAction *m_wordWrapAction;
    FileTextReader m_reader;
    QList<MatchLine> m_matches;
    FileText m_shown; // what was read, without its document
    std::shared_ptr<QTextDocument> m_document; // shown by m_textEdit, which does not own it
    QVariantList m_appliedSettings;
};
