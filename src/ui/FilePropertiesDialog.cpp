#include "ui/FilePropertiesDialog.h"

#include "ui/FileTable.h"

#include <QDateTime>
#include <QDialogButtonBox>
#include <QDirIterator>
#include <QEvent>
#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QLocale>
#include <QMimeDatabase>
#include <QVBoxLayout>

namespace {

const char *const kFields[] = {"name", "folder", "size", "type", "created", "modified", "accessed", "owner",
                               "permissions"};

QString timeText(const QDateTime &time)
{
    return time.isValid() ? QLocale().toString(time, QLocale::ShortFormat) : QString();
}

// "rwxr-x--- (0750)", as a shell's listing shows the bits.
QString permissionText(const QFileInfo &info)
{
    const QFile::Permission bits[] = {QFile::ReadOwner, QFile::WriteOwner, QFile::ExeOwner,
                                      QFile::ReadGroup, QFile::WriteGroup, QFile::ExeGroup,
                                      QFile::ReadOther, QFile::WriteOther, QFile::ExeOther};
    static const char letters[] = "rwxrwxrwx";
    const QFile::Permissions permissions = info.permissions();
    QString text;
    int mode = 0;
    for (int i = 0; i < 9; ++i) {
        const bool set = permissions.testFlag(bits[i]);
        text.append(set ? QLatin1Char(letters[i]) : QLatin1Char('-'));
        mode = mode << 1 | (set ? 1 : 0);
    }
    return QStringLiteral("%1 (%2)").arg(text).arg(mode, 4, 8, QLatin1Char('0'));
}

// A folder's size is that of everything below it, links not followed.
qint64 totalSize(const QFileInfo &info, const BackgroundQueue::Context &context)
{
    if (!info.isDir() || info.isSymLink())
        return info.size();
    qint64 total = 0;
    QDirIterator it(info.filePath(), QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext() && !context.canceled()) {
        it.next();
        if (!it.fileInfo().isDir() || it.fileInfo().isSymLink())
            total += it.fileInfo().size();
    }
    return total;
}

} // namespace

struct FilePropertiesDialog::Facts
{
    QMap<QString, QString> values;
};

FilePropertiesDialog::FilePropertiesDialog(const QStringList &paths, QWidget *parent)
    : QDialog(parent)
    , m_paths(paths)
    , m_form(new QFormLayout)
    , m_queue(this)
{
    setObjectName(QStringLiteral("filePropertiesDialog"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(m_form);
    layout->addWidget(buttons);
    for (const char *key : kFields)
        addField(QLatin1String(key), QString());
    retranslate();

    m_queue.run([this, paths](const BackgroundQueue::Context &context) {
        Facts facts;
        qint64 size = 0;
        for (const QString &path : paths)
            size += totalSize(QFileInfo(path), context);
        facts.values[QStringLiteral("size")] = FileTable::sizeText(size);
        const QFileInfo first(paths.value(0));
        facts.values[QStringLiteral("folder")] = first.absolutePath();
        if (paths.size() == 1) {
            facts.values[QStringLiteral("name")] = first.fileName();
            facts.values[QStringLiteral("type")] = QMimeDatabase().mimeTypeForFile(first).comment();
            facts.values[QStringLiteral("created")] = timeText(first.birthTime());
            facts.values[QStringLiteral("modified")] = timeText(first.lastModified());
            facts.values[QStringLiteral("accessed")] = timeText(first.lastRead());
            facts.values[QStringLiteral("owner")] = QStringLiteral("%1:%2").arg(first.owner(), first.group());
            facts.values[QStringLiteral("permissions")] = permissionText(first);
        } else {
            facts.values[QStringLiteral("name")] = tr("%n items", nullptr, paths.size());
            for (const QString &path : paths) {
                if (QFileInfo(path).absolutePath() != first.absolutePath())
                    facts.values[QStringLiteral("folder")].clear();
            }
        }
        context.reply([this, facts] { showFacts(facts); });
    });
}

FilePropertiesDialog::~FilePropertiesDialog() = default;

void FilePropertiesDialog::addField(const QString &key, const QString &caption)
{
    auto *label = new QLabel(caption, this);
    auto *value = new QLabel(this);
    value->setObjectName(key);
    value->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    label->setBuddy(value);
    m_captions.append(label);
    m_form->addRow(label, value);
}

void FilePropertiesDialog::showFacts(const Facts &facts)
{
    for (auto it = facts.values.cbegin(); it != facts.values.cend(); ++it) {
        if (auto *value = findChild<QLabel *>(it.key()))
            value->setText(it.value());
    }
    emit loaded();
}

void FilePropertiesDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

QString FilePropertiesDialog::field(const QString &key) const
{
    const QLabel *value = findChild<QLabel *>(key);
    return value ? value->text() : QString();
}

void FilePropertiesDialog::retranslate()
{
    const QString captions[] = {tr("Name:"),     tr("Folder:"),   tr("Size:"),  tr("Type:"),       tr("Created:"),
                                tr("Modified:"), tr("Accessed:"), tr("Owner:"), tr("Permissions:")};
    for (int i = 0; i < m_captions.size(); ++i) {
        m_captions.at(i)->setText(captions[i]);
        m_form->itemAt(i, QFormLayout::FieldRole)->widget()->setAccessibleName(captions[i]);
    }
    setWindowTitle(m_paths.size() == 1 ? tr("Properties of %1").arg(QFileInfo(m_paths.first()).fileName())
                                       : tr("Properties"));
}
