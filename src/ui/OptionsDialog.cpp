#include "ui/OptionsDialog.h"

#include "base/Settings.h"
#include "ui/IIndexControl.h"
#include "ui/ISystemIntegration.h"
#include "ui/OptionsGeneral.h"
#include "ui/OptionsIndexing.h"
#include "ui/OptionsPageCategories.h"
#include "ui/OptionsPageFilters.h"
#include "ui/OptionsSearch.h"
#include "ui/SearchFieldModel.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QStackedWidget>
#include <QVBoxLayout>

OptionsDialog::OptionsDialog(IIndexControl &index, ISystemIntegration &integration, QWidget *parent)
    : QDialog(parent)
    , m_elevated(integration.isProcessAdmin())
    , m_listWidget(new QListWidget(this))
    , m_pageFrame(new QStackedWidget(this))
    , m_buttonBox(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this))
{
    setObjectName(QStringLiteral("OptionsDialog"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    m_listWidget->setObjectName(QStringLiteral("listWidget"));
    m_pageFrame->setObjectName(QStringLiteral("pageFrame"));
    m_buttonBox->setObjectName(QStringLiteral("buttonBox"));

    m_general = new OptionsGeneral(integration);
    addPage(m_general);
    if (m_elevated) {
        m_indexing = new OptionsIndexing(index);
        addPage(m_indexing);
        connect(m_indexing, &OptionsIndexing::browseRequested, this, &OptionsDialog::onBrowseDBPath);
    } else {
        m_indexingUnavailable = new QLabel;
        m_indexingUnavailable->setObjectName(QStringLiteral("indexingUnavailableLabel"));
        m_indexingUnavailable->setWordWrap(true);
        m_indexingUnavailable->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        addPage(m_indexingUnavailable);
    }
    m_search = new OptionsSearch;
    addPage(m_search);
    m_categories = new OptionsPageCategories;
    addPage(m_categories);
    m_filters = new OptionsPageFilters;
    addPage(m_filters);

    auto *pages = new QHBoxLayout;
    pages->addWidget(m_listWidget);
    pages->addWidget(m_pageFrame, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(pages, 1);
    layout->addWidget(m_buttonBox);
    retranslate();

    connect(m_listWidget, &QListWidget::currentRowChanged, this, &OptionsDialog::onListItemChanged);
    connect(m_buttonBox, &QDialogButtonBox::accepted, this, &OptionsDialog::onAccept);
    connect(m_buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_general, &OptionsGeneral::clearHistoryRequested, this, &OptionsDialog::onClearHistory);
    m_listWidget->setCurrentRow(GeneralPage);
    resize(680, 460);
}

void OptionsDialog::addPage(QWidget *page)
{
    m_listWidget->addItem(QString());
    m_pageFrame->addWidget(page);
}

void OptionsDialog::setCurrentPage(Page page)
{
    m_listWidget->setCurrentRow(page);
}

void OptionsDialog::onListItemChanged(int index)
{
    if (index >= 0)
        m_pageFrame->setCurrentIndex(index);
}

void OptionsDialog::onAccept()
{
    m_general->applyAutostartAndIntegration();
    m_general->storeSettings();
    m_search->storeSettings();
    m_general->applySkipUac();
    if (m_indexing)
        m_indexing->apply();
    m_categories->storeSettings();
    m_filters->storeSettings();
    accept();
}

void OptionsDialog::onClearHistory()
{
    const QMessageBox::StandardButton answer
        = QMessageBox::warning(this, windowTitle(), tr("Do you really want to clear search history?"),
                               QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return;
    for (SearchFieldModel *model : {SearchFieldModel::fileNameModel(), SearchFieldModel::pathModel(),
                                    SearchFieldModel::contentModel(), SearchFieldModel::instantFileNameModel()})
        model->clear();
}

void OptionsDialog::onBrowseDBPath()
{
    if (!m_indexing)
        return;
    Settings *settings = Settings::instance();
    const QString folder = QFileDialog::getExistingDirectory(
        this, tr("File database path:"), settings->value(Settings::DefaultDialogDir).toString());
    if (folder.isEmpty())
        return;
    const QString path = QDir::toNativeSeparators(folder);
    m_indexing->setDatabasePath(path);
    settings->setValue(Settings::DefaultDialogDir, path);
}

void OptionsDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

void OptionsDialog::retranslate()
{
    setWindowTitle(tr("Options"));
    m_listWidget->setAccessibleName(tr("Pages"));
    const QString names[] = {tr("General"), tr("Indexing"), tr("Search"), tr("File categories"), tr("File handlers")};
    for (int row = 0; row < m_listWidget->count(); ++row)
        m_listWidget->item(row)->setText(names[row]);
    // The list is as wide as its longest name in this language.
    m_listWidget->setFixedWidth(m_listWidget->sizeHintForColumn(0) + 2 * m_listWidget->frameWidth() + 8);
    if (m_indexingUnavailable)
        m_indexingUnavailable->setText(
            tr("Indexing is unavailable when %1 is running without administrator permissions.")
                .arg(QStringLiteral("Talvenquist")));
}
