#include "ui/SearchWindow.h"

#include "base/Settings.h"
#include "query/FileSearchRequest.h"
#include "query/FileSearchResults.h"
#include "ui/FolderCompleter.h"
#include "ui/LayoutFence.h"
#include "ui/RichComboBox.h"
#include "ui/SearchFieldModel.h"
#include "ui/SelectFileNamesDialog.h"
#include "ui/SelectPathsDialog.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QDir>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTimer>
#include <QVBoxLayout>

#include <limits>

namespace {

constexpr int kBooleanType = 3;
constexpr int kLineScope = 1;
constexpr int kKilobyteUnit = 1;
constexpr int kProgressSteps = 1000;

template<typename Widget>
Widget *named(const char *objectName, QWidget *parent)
{
    auto *widget = new Widget(parent);
    widget->setObjectName(QLatin1String(objectName));
    return widget;
}

QComboBox *historyCombo(QComboBox *combo, SearchFieldModel *history)
{
    combo->setEditable(true);
    // The model holds the history; the combo never adds to it on Return.
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setCompleter(nullptr);
    combo->setModel(history);
    combo->setEditText(QString());
    combo->setSizePolicy(QSizePolicy::Expanding, combo->sizePolicy().verticalPolicy());
    return combo;
}

QLineEdit *sizeEdit(const char *objectName, QWidget *parent)
{
    auto *edit = named<QLineEdit>(objectName, parent);
    // Whole numbers only; 15 digits keep every unit's product in range of
    // the bytes before the overflow check has to clamp.
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,15}")), edit));
    return edit;
}

// -1 for an empty or unreadable text (no bound); a product beyond the range
// of 64 bits is clamped to the largest size.
qint64 sizeBound(const QString &text, qint64 factor)
{
    bool ok = false;
    const qint64 value = text.trimmed().toLongLong(&ok);
    if (!ok || value < 0)
        return -1;
    qint64 bytes = 0;
    if (__builtin_mul_overflow(value, factor, &bytes))
        return std::numeric_limits<qint64>::max();
    return bytes;
}

void setTexts(QComboBox *combo, const QStringList &texts)
{
    for (int i = 0; i < texts.size(); ++i) {
        if (i < combo->count())
            combo->setItemText(i, texts.at(i));
        else
            combo->addItem(texts.at(i));
    }
}

} // namespace

SearchWindow::SearchWindow(QWidget *parent)
    : QWidget(parent)
{
    createWidgets();
    createLayout();
    retranslate();
    connectWidgets();
    clear();
    m_showAdvancedCheckBox->setChecked(Settings::instance()->value(Settings::ShowAdvancedOptions).toBool());
    connect(m_showAdvancedCheckBox, &QCheckBox::toggled, this,
            [](bool on) { Settings::instance()->setValue(Settings::ShowAdvancedOptions, on); });
    if (Settings::instance()->value(Settings::AutoCompletePath).toBool())
        m_directoryComboBox->setCompleter(new FolderCompleter(m_directoryComboBox));
}

void SearchWindow::createWidgets()
{
    m_fileNameLabel = new QLabel(this);
    m_nameFormatLabel = new QLabel(this);
    m_contentsFormatLabel = new QLabel(this);
    m_scopeLabel = new QLabel(this);
    m_dateAndLabel = new QLabel(this);
    m_sizeAndLabel = new QLabel(this);

    m_fileNameComboBox = named<RichComboBox>("fileNameComboBox", this);
    historyCombo(m_fileNameComboBox, SearchFieldModel::fileNameModel());
    m_fileNameFormatComboBox = named<QComboBox>("fileNameFormatComboBox", this);
    m_caseSensitiveNameCheckBox = named<QCheckBox>("caseSensitiveNameCheckBox", this);
    m_directoryCheckBox = named<QCheckBox>("directoryCheckBox", this);
    m_directoryComboBox = historyCombo(named<QComboBox>("directoryComboBox", this), SearchFieldModel::pathModel());
    m_advancedFrame = named<QFrame>("advancedFrame", this);
    m_includeSubfoldersCheckBox = named<QCheckBox>("includeSubfoldersCheckBox", m_advancedFrame);
    m_includeSubfoldersCheckBox->setChecked(true);
    m_contentsCheckBox = named<QCheckBox>("contentsCheckBox", this);
    m_contentsComboBox = named<RichComboBox>("contentsComboBox", this);
    historyCombo(m_contentsComboBox, SearchFieldModel::contentModel());
    m_contentsFormatComboBox = named<QComboBox>("contentsFormatComboBox", this);
    m_contentsScopeComboBox = named<QComboBox>("contentsScopeComboBox", this);
    m_caseSensitiveContentsCheckBox = named<QCheckBox>("caseSensitiveContentsCheckBox", this);
    m_dateCheckBox = named<QCheckBox>("dateCheckBox", this);
    m_minDateEdit = named<QDateEdit>("minDateEdit", this);
    m_maxDateEdit = named<QDateEdit>("maxDateEdit", this);
    for (QDateEdit *edit : {m_minDateEdit, m_maxDateEdit})
        edit->setCalendarPopup(true);
    m_sizeCheckBox = named<QCheckBox>("sizeCheckBox", this);
    m_minSizeLineEdit = sizeEdit("minSizeLineEdit", this);
    m_maxSizeLineEdit = sizeEdit("maxSizeLineEdit", this);
    m_sizeComboBox = named<QComboBox>("sizeComboBox", this);
    m_showAdvancedCheckBox = named<QCheckBox>("showAdvancedCheckBox", this);
    m_selectNamesButton = named<QPushButton>("selectNamesButton", this);
    m_selectPathsButton = named<QPushButton>("selectPathsButton", this);
    m_selectContentsButton = named<QPushButton>("selectContentsButton", this);
    for (QPushButton *button : {m_selectNamesButton, m_selectPathsButton, m_selectContentsButton}) {
        button->setText(QStringLiteral("..."));
        button->setMaximumWidth(30);
    }
    m_findButton = named<QPushButton>("findButton", this);
    m_progressBar = named<QProgressBar>("progressBar", this);
    m_progressBar->setTextVisible(false);
    // Hidden while no search runs, in its place (a fence below): an empty
    // bar on show still repaints itself many times a second in some styles.
    m_progressBar->hide();
    // A search that ends within moments shows no busy bar: lit for a moment
    // at every typed key, it only flickers, and its animation's repaints
    // cost the typing.
    m_busyDelay = new QTimer(this);
    m_busyDelay->setSingleShot(true);
    m_busyDelay->setInterval(kBusyDelayMs);
    connect(m_busyDelay, &QTimer::timeout, this, [this] {
        m_progressBar->setRange(0, 0);
        m_progressBar->show();
    });

    m_fileNameLabel->setBuddy(m_fileNameComboBox);
    m_nameFormatLabel->setBuddy(m_fileNameFormatComboBox);
    m_contentsFormatLabel->setBuddy(m_contentsFormatComboBox);
    m_scopeLabel->setBuddy(m_contentsScopeComboBox);
}

void SearchWindow::createLayout()
{
    auto *grid = new QGridLayout;
    int row = 0;
    grid->addWidget(m_fileNameLabel, row, 0);
    grid->addWidget(m_fileNameComboBox, row, 1, 1, 3);
    grid->addWidget(m_selectNamesButton, row++, 4);
    grid->addWidget(m_nameFormatLabel, row, 0);
    grid->addWidget(m_fileNameFormatComboBox, row, 1);
    grid->addWidget(m_caseSensitiveNameCheckBox, row++, 2, 1, 3);
    grid->addWidget(m_directoryCheckBox, row, 0);
    grid->addWidget(m_directoryComboBox, row, 1, 1, 3);
    grid->addWidget(m_selectPathsButton, row++, 4);
    auto *advancedLayout = new QHBoxLayout(m_advancedFrame);
    advancedLayout->setContentsMargins(0, 0, 0, 0);
    advancedLayout->addWidget(m_includeSubfoldersCheckBox);
    grid->addWidget(m_advancedFrame, row++, 1, 1, 4);
    grid->addWidget(m_contentsCheckBox, row, 0);
    grid->addWidget(m_contentsComboBox, row, 1, 1, 3);
    grid->addWidget(m_selectContentsButton, row++, 4);
    grid->addWidget(m_contentsFormatLabel, row, 0);
    grid->addWidget(m_contentsFormatComboBox, row, 1);
    grid->addWidget(m_scopeLabel, row, 2);
    grid->addWidget(m_contentsScopeComboBox, row++, 3);
    grid->addWidget(m_caseSensitiveContentsCheckBox, row++, 1, 1, 4);
    grid->addWidget(m_dateCheckBox, row, 0);
    grid->addWidget(m_minDateEdit, row, 1);
    grid->addWidget(m_dateAndLabel, row, 2);
    grid->addWidget(m_maxDateEdit, row++, 3);
    grid->addWidget(m_sizeCheckBox, row, 0);
    grid->addWidget(m_minSizeLineEdit, row, 1);
    grid->addWidget(m_sizeAndLabel, row, 2);
    grid->addWidget(m_maxSizeLineEdit, row, 3);
    grid->addWidget(m_sizeComboBox, row++, 4);
    grid->addWidget(m_showAdvancedCheckBox, row++, 0, 1, 5);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    // The button's text changes at the start and end of every search, and
    // the bar shows and hides: fenced, neither lays out the window again.
    layout->addWidget(new LayoutFence(m_findButton, this));
    layout->addWidget(new LayoutFence(m_progressBar, this));
    layout->addStretch();
}

void SearchWindow::connectWidgets()
{
    QMetaObject::connectSlotsByName(this);
    connect(m_findButton, &QPushButton::clicked, this, &SearchWindow::findClicked);
    connect(m_fileNameComboBox, &QComboBox::editTextChanged, this, &SearchWindow::fileNameChanged);
    // Return in any text field starts the search, as the find button does.
    // Watched rather than taken from returnPressed: an editable combo hands
    // the ignored key back to its line edit, which would report it twice
    // (and a second find cancels the first).
    for (QLineEdit *edit : {m_fileNameComboBox->lineEdit(), m_directoryComboBox->lineEdit(),
                            m_contentsComboBox->lineEdit(), m_minSizeLineEdit, m_maxSizeLineEdit})
        edit->installEventFilter(this);
    for (QCheckBox *box : {m_directoryCheckBox, m_contentsCheckBox, m_dateCheckBox, m_sizeCheckBox,
                           m_showAdvancedCheckBox})
        connect(box, &QCheckBox::toggled, this, &SearchWindow::updateDependentWidgets);
    connect(m_fileNameFormatComboBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this, [this](int index) {
        RichComboBox::setBooleanPresentation(m_fileNameComboBox, m_selectNamesButton, index == kBooleanType);
        retranslateAccessibleNames();
    });
    connect(m_contentsFormatComboBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this, [this](int index) {
        RichComboBox::setBooleanPresentation(m_contentsComboBox, m_selectContentsButton, index == kBooleanType);
        retranslateAccessibleNames();
    });

    const struct
    {
        SearchFieldModel *model;
        void (SearchWindow::*aboutToBeReset)();
        void (SearchWindow::*reset)();
    } histories[] = {
        {SearchFieldModel::fileNameModel(), &SearchWindow::onFileNameModelAboutToBeReset,
         &SearchWindow::onFileNameModelReset},
        {SearchFieldModel::pathModel(), &SearchWindow::onFilePathModelAboutToBeReset,
         &SearchWindow::onFilePathModelReset},
        {SearchFieldModel::contentModel(), &SearchWindow::onFileContentModelAboutToBeReset,
         &SearchWindow::onFileContentModelReset},
    };
    for (const auto &history : histories) {
        connect(history.model, &QAbstractItemModel::modelAboutToBeReset, this, history.aboutToBeReset);
        connect(history.model, &QAbstractItemModel::modelReset, this, history.reset);
    }
}

void SearchWindow::fillRequest(FileSearchRequest &request) const
{
    request.name = m_fileNameComboBox->currentText();
    request.nameExpressionType = m_fileNameFormatComboBox->currentIndex();
    request.nameCaseSensitive = m_caseSensitiveNameCheckBox->isChecked();

    const QString folders = m_directoryComboBox->currentText();
    if (m_directoryCheckBox->isChecked() && !folders.isEmpty()) {
        FileSearchResults::parseFolderList(folders, request.includePaths, request.excludePaths);
        if (m_showAdvancedCheckBox->isChecked())
            request.includeSubfolders = m_includeSubfoldersCheckBox->isChecked();
    }

    const QString contents = m_contentsComboBox->currentText();
    if (m_contentsCheckBox->isChecked() && !contents.isEmpty()) {
        request.text = contents;
        request.textExpressionType = m_contentsFormatComboBox->currentIndex();
        request.textCaseSensitive = m_caseSensitiveContentsCheckBox->isChecked();
        request.lineScope = m_contentsScopeComboBox->currentIndex() == kLineScope;
    }

    if (m_dateCheckBox->isChecked()) {
        request.modifiedFrom = m_minDateEdit->date();
        request.modifiedTo = m_maxDateEdit->date();
    }

    if (m_sizeCheckBox->isChecked()) {
        const qint64 factor = qint64(1) << (10 * m_sizeComboBox->currentIndex());
        request.minSize = sizeBound(m_minSizeLineEdit->text(), factor);
        request.maxSize = sizeBound(m_maxSizeLineEdit->text(), factor);
    }
}

void SearchWindow::recordHistories()
{
    // Read every text first: each addition resets a model, and the reset
    // handlers only keep the text of the combo whose model changed.
    const QString name = m_fileNameComboBox->currentText();
    const QString path = m_directoryComboBox->currentText();
    const QString contents = m_contentsComboBox->currentText();
    SearchFieldModel::fileNameModel()->add(name);
    SearchFieldModel::pathModel()->add(path);
    SearchFieldModel::contentModel()->add(contents);
}

void SearchWindow::clear()
{
    m_fileNameComboBox->setEditText(QString());
    m_fileNameFormatComboBox->setCurrentIndex(0);
    m_caseSensitiveNameCheckBox->setChecked(false);
    m_directoryCheckBox->setChecked(false);
    m_directoryComboBox->setEditText(QString());
    m_contentsCheckBox->setChecked(false);
    m_contentsComboBox->setEditText(QString());
    m_contentsFormatComboBox->setCurrentIndex(0);
    m_caseSensitiveContentsCheckBox->setChecked(false);
    m_dateCheckBox->setChecked(false);
    // A date editor cannot be empty; today is the neutral choice.
    m_minDateEdit->setDate(QDate::currentDate());
    m_maxDateEdit->setDate(QDate::currentDate());
    m_sizeCheckBox->setChecked(false);
    m_sizeComboBox->setCurrentIndex(kKilobyteUnit);
    m_minSizeLineEdit->clear();
    m_maxSizeLineEdit->clear();
    updateDependentWidgets();
}

void SearchWindow::setSearchFolder(const QString &folder)
{
    m_directoryCheckBox->setChecked(true);
    m_directoryComboBox->setEditText(
        FileSearchResults::formatFolderList({QDir::toNativeSeparators(folder)}, QStringList()));
    updateDependentWidgets();
}

void SearchWindow::setFindButtonText(const QString &text)
{
    m_findButton->setText(text);
}

void SearchWindow::startProgress()
{
    m_busyDelay->start();
}

void SearchWindow::updateProgress(qint64 done, qint64 total)
{
    if (total <= 0)
        return;
    m_busyDelay->stop();
    m_progressBar->setRange(0, kProgressSteps);
    m_progressBar->setValue(int(qBound<qint64>(0, done, total) * kProgressSteps / total));
    m_progressBar->show();
}

void SearchWindow::stopProgress()
{
    m_busyDelay->stop();
    // Hidden first: a reset paints a bar on show at once, and a search typed
    // key by key stops at every key.
    m_progressBar->hide();
    m_progressBar->setRange(0, kProgressSteps);
    m_progressBar->reset();
}

void SearchWindow::loadHistories()
{
    Settings *settings = Settings::instance();
    SearchFieldModel::fileNameModel()->setStrings(settings->fileNameHistory());
    SearchFieldModel::pathModel()->setStrings(settings->pathHistory());
    SearchFieldModel::contentModel()->setStrings(settings->contentHistory());
    SearchFieldModel::instantFileNameModel()->setStrings(settings->instantFileNameHistory());
}

void SearchWindow::saveHistories()
{
    Settings *settings = Settings::instance();
    settings->setFileNameHistory(SearchFieldModel::fileNameModel()->strings());
    settings->setPathHistory(SearchFieldModel::pathModel()->strings());
    settings->setContentHistory(SearchFieldModel::contentModel()->strings());
    settings->setInstantFileNameHistory(SearchFieldModel::instantFileNameModel()->strings());
}

QList<QWidget *> SearchWindow::namedInputWidgets() const
{
    QList<QWidget *> widgets;
    const QList<QWidget *> children = findChildren<QWidget *>();
    for (QWidget *widget : children) {
        const QString name = widget->objectName();
        if (name.isEmpty() || name == QLatin1String("qt_spinbox_lineedit"))
            continue;
        if (qobject_cast<QComboBox *>(widget) || qobject_cast<QCheckBox *>(widget)
            || qobject_cast<QLineEdit *>(widget) || qobject_cast<QDateEdit *>(widget))
            widgets.append(widget);
    }
    return widgets;
}

QMap<QString, QString> SearchWindow::parameters() const
{
    QMap<QString, QString> map;
    for (QWidget *widget : namedInputWidgets()) {
        QString value;
        if (auto *combo = qobject_cast<QComboBox *>(widget))
            value = combo->currentText();
        else if (auto *box = qobject_cast<QCheckBox *>(widget))
            value = box->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
        else if (auto *edit = qobject_cast<QLineEdit *>(widget))
            value = edit->text();
        else if (auto *dateEdit = qobject_cast<QDateEdit *>(widget))
            value = QString::number(dateEdit->date().toJulianDay());
        map.insert(widget->objectName(), value);
    }
    return map;
}

void SearchWindow::loadParameters(const QMap<QString, QString> &parameters)
{
    for (QWidget *widget : namedInputWidgets()) {
        const auto it = parameters.constFind(widget->objectName());
        if (it == parameters.constEnd())
            continue;
        const QString &value = it.value();
        if (auto *combo = qobject_cast<QComboBox *>(widget)) {
            if (combo->isEditable()) {
                combo->setEditText(value);
            } else {
                const int index = combo->findText(value);
                if (index >= 0)
                    combo->setCurrentIndex(index);
            }
        } else if (auto *box = qobject_cast<QCheckBox *>(widget)) {
            box->setChecked(value == QLatin1String("1"));
        } else if (auto *edit = qobject_cast<QLineEdit *>(widget)) {
            edit->setText(value);
        } else if (auto *dateEdit = qobject_cast<QDateEdit *>(widget)) {
            bool ok = false;
            const qint64 day = value.toLongLong(&ok);
            if (ok)
                dateEdit->setDate(QDate::fromJulianDay(day));
        }
    }
    updateDependentWidgets();
}

void SearchWindow::on_dateCheckBox_clicked(bool checked)
{
    m_minDateEdit->setEnabled(checked);
    m_maxDateEdit->setEnabled(checked);
}

void SearchWindow::on_sizeCheckBox_clicked(bool checked)
{
    m_minSizeLineEdit->setEnabled(checked);
    m_maxSizeLineEdit->setEnabled(checked);
    m_sizeComboBox->setEnabled(checked);
}

void SearchWindow::updateDependentWidgets()
{
    const bool folders = m_directoryCheckBox->isChecked();
    m_directoryComboBox->setEnabled(folders);
    m_selectPathsButton->setEnabled(folders);
    m_includeSubfoldersCheckBox->setEnabled(folders);
    const bool contents = m_contentsCheckBox->isChecked();
    for (QWidget *widget : std::initializer_list<QWidget *>{m_contentsComboBox, m_selectContentsButton,
                                                            m_contentsFormatComboBox, m_contentsScopeComboBox,
                                                            m_caseSensitiveContentsCheckBox})
        widget->setEnabled(contents);
    on_dateCheckBox_clicked(m_dateCheckBox->isChecked());
    on_sizeCheckBox_clicked(m_sizeCheckBox->isChecked());
    m_advancedFrame->setVisible(m_showAdvancedCheckBox->isChecked());
}

void SearchWindow::on_selectNamesButton_clicked()
{
    editExpressionList(m_fileNameComboBox, m_selectNamesButton, /*contents=*/false);
}

void SearchWindow::on_selectContentsButton_clicked()
{
    editExpressionList(m_contentsComboBox, m_selectContentsButton, /*contents=*/true);
}

void SearchWindow::editExpressionList(RichComboBox *field, QPushButton *button, bool contents)
{
    if (button->text() != QLatin1String("...")) {
        field->popupKeywordMenu(button);
        return;
    }
    QStringList includeList;
    QStringList excludeList;
    FileSearchResults::parseFolderList(field->currentText(), includeList, excludeList);
    SelectFileNamesDialog dialog(includeList, excludeList,
                                 contents ? SelectFileNamesDialog::Use::Contents
                                          : SelectFileNamesDialog::Use::FileNames,
                                 this);
    if (dialog.exec() == QDialog::Accepted)
        field->setEditText(FileSearchResults::formatFolderList(dialog.includeList(), dialog.excludeList()));
}

void SearchWindow::on_selectPathsButton_clicked()
{
    QStringList includeList;
    QStringList excludeList;
    FileSearchResults::parseFolderList(m_directoryComboBox->currentText(), includeList, excludeList);
    SelectPathsDialog dialog(includeList, excludeList, this);
    if (dialog.exec() == QDialog::Accepted)
        m_directoryComboBox->setEditText(
            FileSearchResults::formatFolderList(dialog.includeList(), dialog.excludeList()));
}

void SearchWindow::onFileNameModelAboutToBeReset()
{
    m_editedFileName = m_fileNameComboBox->currentText();
}

void SearchWindow::onFileNameModelReset()
{
    m_fileNameComboBox->setEditText(m_editedFileName);
}

void SearchWindow::onFilePathModelAboutToBeReset()
{
    m_editedPath = m_directoryComboBox->currentText();
}

void SearchWindow::onFilePathModelReset()
{
    m_directoryComboBox->setEditText(m_editedPath);
}

void SearchWindow::onFileContentModelAboutToBeReset()
{
    m_editedContents = m_contentsComboBox->currentText();
}

void SearchWindow::onFileContentModelReset()
{
    m_contentsComboBox->setEditText(m_editedContents);
}

bool SearchWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            emit findClicked();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void SearchWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void SearchWindow::retranslate()
{
    setWindowTitle(tr("Search Parameters"));
    m_fileNameLabel->setText(tr("File name:"));
    m_nameFormatLabel->setText(tr("Expression type:"));
    m_contentsFormatLabel->setText(tr("Expression type:"));
    m_scopeLabel->setText(tr("Scope:"));
    m_dateAndLabel->setText(tr("and"));
    m_sizeAndLabel->setText(tr("and"));
    m_caseSensitiveNameCheckBox->setText(tr("Case sensitive"));
    m_directoryCheckBox->setText(tr("In directory"));
    m_includeSubfoldersCheckBox->setText(tr("Include subfolders"));
    m_contentsCheckBox->setText(tr("In contents"));
    m_caseSensitiveContentsCheckBox->setText(tr("Case sensitive"));
    m_dateCheckBox->setText(tr("Modified between"));
    m_sizeCheckBox->setText(tr("Size range"));
    m_showAdvancedCheckBox->setText(tr("Show advanced options"));
    const QStringList types = {tr("Substring"), tr("Whole word"), tr("Regex"), tr("Boolean")};
    setTexts(m_fileNameFormatComboBox, types);
    setTexts(m_contentsFormatComboBox, types);
    setTexts(m_contentsScopeComboBox, {tr("File"), tr("Line")});
    setTexts(m_sizeComboBox, {tr("B"), tr("KB"), tr("MB"), tr("GB")});
    if (m_findButton->text().isEmpty())
        m_findButton->setText(tr("Search"));
    retranslateAccessibleNames();
}

void SearchWindow::retranslateAccessibleNames()
{
    m_fileNameComboBox->setAccessibleName(tr("File name"));
    m_fileNameFormatComboBox->setAccessibleName(tr("File name expression type"));
    m_directoryComboBox->setAccessibleName(tr("Folders"));
    m_contentsComboBox->setAccessibleName(tr("Contents text"));
    m_contentsFormatComboBox->setAccessibleName(tr("Contents expression type"));
    m_contentsScopeComboBox->setAccessibleName(tr("Scope"));
    m_minDateEdit->setAccessibleName(tr("Modified on or after"));
    m_maxDateEdit->setAccessibleName(tr("Modified on or before"));
    m_minSizeLineEdit->setAccessibleName(tr("Minimum size"));
    m_maxSizeLineEdit->setAccessibleName(tr("Maximum size"));
    m_sizeComboBox->setAccessibleName(tr("Size unit"));
    m_progressBar->setAccessibleName(tr("Search progress"));
    m_selectPathsButton->setAccessibleName(tr("Edit the folder list"));
    const bool booleanName = m_fileNameFormatComboBox->currentIndex() == kBooleanType;
    m_selectNamesButton->setAccessibleName(booleanName ? tr("Insert a keyword") : tr("Edit the file name list"));
    const bool booleanContents = m_contentsFormatComboBox->currentIndex() == kBooleanType;
    m_selectContentsButton->setAccessibleName(booleanContents ? tr("Insert a keyword")
                                                              : tr("Edit the contents list"));
}
