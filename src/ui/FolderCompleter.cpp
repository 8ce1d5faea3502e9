#include "ui/FolderCompleter.h"

#include <QComboBox>
#include <QFileSystemModel>
#include <QLineEdit>

FolderCompleter::FolderCompleter(QObject *parent)
    : QCompleter(parent)
{
    auto *folders = new QFileSystemModel(this);
    folders->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Hidden);
    // An empty root watches nothing, yet lets every folder be listed.
    folders->setRootPath(QString());
    setModel(folders);
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

QStringList FolderCompleter::splitPath(const QString &path) const
{
    return QCompleter::splitPath(path.mid(listPrefix(path).size()));
}

QString FolderCompleter::pathFromIndex(const QModelIndex &index) const
{
    return listPrefix(fieldText()) + QCompleter::pathFromIndex(index);
}
