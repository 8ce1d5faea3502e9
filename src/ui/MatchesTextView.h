#pragma once

#include "content/ContentMatches.h"

#include <QPlainTextEdit>
#include <QVariantList>

class QAction;
class QContextMenuEvent;
class MatchesTextBuilder;

// The "Matches" page of a tab: one line per match (or per matching line in
// full-line mode) with its line number, the matches highlighted, and a notice
// when the list was cut to "ShowMaximumMatches". Read-only.
//
// The text is rebuilt from the last result whenever applySettings() runs, so
// a changed option shows at once without a new match search.
class MatchesTextView : public QPlainTextEdit
{
    Q_OBJECT
public:
    explicit MatchesTextView(QWidget *parent = nullptr);

    void setMatches(const ContentMatches &matches);
    void clear();
    // Re-reads the display options and the highlight colour and rebuilds.
    void applySettings();

    // The checkable "Full line" entry of the context menu.
    QAction *fullLineAction() const { return m_fullLineAction; }

    // "Courier New" when installed, else the system's fixed-width font.
    static QFont previewFont();

protected:
    void contextMenuEvent(QContextMenuEvent *event) override;
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void onFullLineToggled(bool on);
    static QVariantList settingsSnapshot();
    void rebuild();
    void colour(const MatchesTextBuilder &builder, int firstBlock);
    void retranslate();

    QList<MatchLine> m_lines;
    QVariantList m_appliedSettings;
    QAction *m_fullLineAction;
};
