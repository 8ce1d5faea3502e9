#pragma once

#include "content/ContentMatches.h"

#include <QTabWidget>

class FilePreviewPage;
class FindBar;
class MatchesTextView;

// The preview of a tab: the "Matches" page (the matching lines of the
// selected file) and the "File" page (its whole text), each with a find bar.
class PreviewTabWidget : public QTabWidget
{
    Q_OBJECT
public:
    explicit PreviewTabWidget(QWidget *parent = nullptr);

    // Fills both pages; the file is read off the GUI thread.
    void showMatches(const ContentMatches &matches);
    // Empties both pages and drops a read still running.
    void clear();
    // Re-applies the preview options after they changed elsewhere.
    void applySettings();
    // Closes whichever find bar is open; false when none is.
    bool closeFindBar();

    MatchesTextView *matchesView() const { return m_matchesView; }
    FindBar *matchesFindBar() const { return m_matchesFindBar; }
    FilePreviewPage *filePage() const { return m_filePage; }

protected:
    void changeEvent(QEvent *event) override;

private:
    QWidget *createMatchesPage();
    void retranslate();

    MatchesTextView *m_matchesView = nullptr;
    FindBar *m_matchesFindBar = nullptr;
    FilePreviewPage *m_filePage = nullptr;
};
