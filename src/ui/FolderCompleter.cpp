#include "ui/FolderCompleter.h"

#include <QComboBox>
#include <QFileSystemModel>
#include <QLineEdit>

FolderCompleter::FolderCompleter(QObject *parent)
    : QCompleter(parent)
    , m_folders(new QFileSystemModel(this))
{
    m_folders->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Hidden);
    // An empty root watches nothing, yet lets every folder be listed.
    m_folders->setRootPath(QString());
    setModel(m_folders);
    setCompletionMode(QCompleter::PopupCompletion);
    setCaseSensitivity(Qt::CaseSensitive);
}

QString FolderCompleter::listPrefix(const QString &text)
{
    int start = text.lastIndexOf(QLatin1Char(';')) + 1;
    for (const QChar mark : {QLatin1Char('!'), QLatin1Char('"')}) {
        if (start < text.size() && text.at(start) == mark)
            ++start;
    }
    return text.left(start);
}

QString FolderCompleter::fieldText() const
{
    if (auto *combo = qobject_cast<QComboBox *>(widget()))
        return combo->currentText();
    if (auto *edit = qobject_cast<QLineEdit *>(widget()))
        return edit->text();
    return QString();
}

// The model lists a folder only when asked to, and nothing else asks for the
// one typed in (the popup that would is hidden while it has no match): it is
// asked for here, as its path is typed, and the completion follows once it
// has been read.
QStringList FolderCompleter::splitPath(const QString &path) const
{
    const QString entry = path.mid(listPrefix(path).size());
    const int slash = entry.lastIndexOf(QLatin1Char('/'));
    if (slash >= 0) {
        const QModelIndex folder = m_folders->index(slash == 0 ? QStringLiteral("/") : entry.left(slash));
        if (folder.isValid() && m_folders->canFetchMore(folder))
            m_folders->fetchMore(folder);
    }
    return QCompleter::splitPath(entry);
}

QString FolderCompleter::pathFromIndex(const QModelIndex &index) const
{
    return listPrefix(fieldText()) + QCompleter::pathFromIndex(index);
}
