#include "ui/PreviewTabWidget.h"

#include "ui/FilePreviewPage.h"
#include "ui/FindBar.h"
#include "ui/MatchesTextView.h"

#include <QEvent>
#include <QVBoxLayout>

PreviewTabWidget::PreviewTabWidget(QWidget *parent)
    : QTabWidget(parent)
{
    setObjectName(QStringLiteral("previewTabWidget"));
    addTab(createMatchesPage(), QString());
    m_filePage = new FilePreviewPage(this);
    addTab(m_filePage, QString());
    retranslate();
}

QWidget *PreviewTabWidget::createMatchesPage()
{
    auto *page = new QWidget(this);
    page->setObjectName(QStringLiteral("matchesPage"));
    m_matchesView = new MatchesTextView(page);
    m_matchesFindBar = new FindBar(m_matchesView, page);
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_matchesView, 1);
    layout->addWidget(m_matchesFindBar);
    return page;
}

void PreviewTabWidget::showMatches(const ContentMatches &matches)
{
    m_matchesView->setMatches(matches);
    m_filePage->showFile(matches);
}

void PreviewTabWidget::clear()
{
    m_matchesView->clear();
    m_filePage->clear();
}

void PreviewTabWidget::applySettings()
{
    m_matchesView->applySettings();
    m_filePage->applySettings();
}

bool PreviewTabWidget::closeFindBar()
{
    for (FindBar *bar : {m_matchesFindBar, m_filePage->findBar()}) {
        if (bar->isVisible()) {
            bar->close();
            return true;
        }
    }
    return false;
}

void PreviewTabWidget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QTabWidget::changeEvent(event);
}

void PreviewTabWidget::retranslate()
{
    setTabText(0, tr("Matches"));
    setTabText(1, tr("File"));
}
