#include "ui/InstantToolBar.h"

#include "query/FileSearchRequest.h"
#include "query/FileSearchResults.h"
#include "ui/RichComboBox.h"
#include "ui/RichLineEdit.h"
#include "ui/SearchFieldModel.h"
#include "ui/SelectFileNamesDialog.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr int kBooleanType = 3;

// Only the main Return key starts a search; the keypad's Enter key does not.
bool isReturn(const QEvent *event)
{
    return event->type() == QEvent::KeyPress && static_cast<const QKeyEvent *>(event)->key() == Qt::Key_Return;
}

} // namespace

InstantToolBar::InstantToolBar(QWidget *parent)
    : QToolBar(parent)
{
    auto *inner = new QWidget(this);
    auto *layout = new QHBoxLayout(inner);
    layout->setContentsMargins(0, 0, 0, 0);

    m_nameComboBox = new RichComboBox(inner);
    m_nameComboBox->setObjectName(QStringLiteral("nameComboBox"));
    m_nameComboBox->setInsertPolicy(QComboBox::NoInsert);
    m_nameComboBox->setSizePolicy(QSizePolicy::Expanding, m_nameComboBox->sizePolicy().verticalPolicy());
    m_nameComboBox->setCompleter(nullptr);
    m_nameComboBox->setModel(SearchFieldModel::instantFileNameModel());
    m_nameComboBox->setEditText(QString());
    m_nameComboBox->lineEdit()->installEventFilter(this);
    // Every toolbar shares the history; a reset of it (a search started in any
    // of them) must not wipe what is typed here.
    SearchFieldModel *history = SearchFieldModel::instantFileNameModel();
    connect(history, &QAbstractItemModel::modelAboutToBeReset, this,
            [this]() { m_editedText = m_nameComboBox->currentText(); });
    connect(history, &QAbstractItemModel::modelReset, this, [this]() { m_nameComboBox->setEditText(m_editedText); });

    m_assistButton = new QPushButton(QStringLiteral("..."), inner);
    m_assistButton->setObjectName(QStringLiteral("assistButton"));
    m_assistButton->setMaximumSize(20, 20);

    m_typeComboBox = new QComboBox(inner);
    m_typeComboBox->setObjectName(QStringLiteral("typeComboBox"));
    for (int i = 0; i < 4; ++i)
        m_typeComboBox->addItem(QString());

    m_caseCheckBox = new QCheckBox(inner);
    m_caseCheckBox->setObjectName(QStringLiteral("caseCheckBox"));

    layout->addWidget(m_nameComboBox);
    layout->addWidget(m_assistButton);
    layout->addWidget(m_typeComboBox);
    layout->addWidget(m_caseCheckBox);
    addWidget(inner);
    retranslate();

    connect(m_assistButton, &QPushButton::clicked, this, &InstantToolBar::onAssistClicked);
    // Typed, not set: a history entry chosen or a text loaded searches only on Return.
    connect(m_nameComboBox->lineEdit(), &QLineEdit::textEdited, this, &InstantToolBar::onTextEdited);
    m_historyTimer.setSingleShot(true);
    m_historyTimer.setInterval(kHistoryPauseMs);
    connect(&m_historyTimer, &QTimer::timeout, this, [this] {
        SearchFieldModel::instantFileNameModel()->add(m_nameComboBox->currentText());
        emit typingPaused();
    });
    connect(m_nameComboBox, &QComboBox::editTextChanged, this, &InstantToolBar::fileNameChanged);
    connect(m_typeComboBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            [this](int index) { setBooleanPresentation(index == kBooleanType); });
}

void InstantToolBar::setBooleanPresentation(bool on)
{
    RichComboBox::setBooleanPresentation(m_nameComboBox, m_assistButton, on);
    m_assistButton->setAccessibleName(on ? tr("Insert a keyword") : tr("Edit the name list"));
}

bool InstantToolBar::isBoolean() const
{
    return m_assistButton->text() != QLatin1String("...");
}

void InstantToolBar::onAssistClicked()
{
    if (isBoolean()) {
        m_nameComboBox->popupKeywordMenu(m_assistButton);
        return;
    }
    QStringList includeList;
    QStringList excludeList;
    FileSearchResults::parseFolderList(m_nameComboBox->currentText(), includeList, excludeList);
    SelectFileNamesDialog dialog(includeList, excludeList, SelectFileNamesDialog::Use::FileNames, window());
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_nameComboBox->setEditText(FileSearchResults::formatFolderList(dialog.includeList(), dialog.excludeList()));
    m_nameComboBox->setFocus(Qt::OtherFocusReason);
}

FileSearchRequest *InstantToolBar::makeRequest() const
{
    auto *request = new FileSearchRequest;
    request->name = m_nameComboBox->currentText();
    request->nameExpressionType = m_typeComboBox->currentIndex();
    request->nameCaseSensitive = m_caseCheckBox->isChecked();
    return request;
}

void InstantToolBar::startFromField()
{
    m_historyTimer.stop();
    SearchFieldModel::instantFileNameModel()->add(m_nameComboBox->currentText());
    emit startSearch(makeRequest(), /*typed=*/false);
}

void InstantToolBar::setSearchAsYouType(bool on)
{
    m_searchAsYouType = on;
    if (!on)
        m_historyTimer.stop();
}

// An empty field would list every file: typing searches only for something.
void InstantToolBar::onTextEdited(const QString &text)
{
    if (!m_searchAsYouType || text.isEmpty())
        return;
    m_historyTimer.start();
    emit startSearch(makeRequest(), /*typed=*/true);
}

bool InstantToolBar::eventFilter(QObject *watched, QEvent *event)
{
    // The editable combo takes Return for itself, so the field is watched.
    if (watched == m_nameComboBox->lineEdit() && isReturn(event)) {
        startFromField();
        return true;
    }
    return QToolBar::eventFilter(watched, event);
}

void InstantToolBar::keyPressEvent(QKeyEvent *event)
{
    if (isReturn(event)) {
        startFromField();
        return;
    }
    QToolBar::keyPressEvent(event);
}

void InstantToolBar::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QToolBar::changeEvent(event);
}

void InstantToolBar::retranslate()
{
    // The same words as the search panel's choices.
    const char *const types[] = {QT_TRANSLATE_NOOP("TabPage", "Substring"), QT_TRANSLATE_NOOP("TabPage", "Whole word"),
                                 QT_TRANSLATE_NOOP("TabPage", "Regex"), QT_TRANSLATE_NOOP("TabPage", "Boolean")};
    for (int i = 0; i < 4; ++i)
        m_typeComboBox->setItemText(i, QCoreApplication::translate("TabPage", types[i]));
    m_caseCheckBox->setText(QCoreApplication::translate("TabPage", "Case sensitive"));
    setWindowTitle(tr("Instant Search"));
    m_nameComboBox->setAccessibleName(tr("File name"));
    m_typeComboBox->setAccessibleName(tr("Expression type"));
    setBooleanPresentation(m_typeComboBox->currentIndex() == kBooleanType);
}
