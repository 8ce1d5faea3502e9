#pragma once

#include <QCompleter>

class QFileSystemModel;

// Completes folder paths in a folder field. The field may hold a list
// ("a;!b;c", as the search panel reads it): only the entry being typed at
// its end is completed, and the entries before it stay as they are.
// The folders are listed by a file-system model on its own thread, so typing
// never waits for a slow or remote folder.
class FolderCompleter : public QCompleter
{
    Q_OBJECT
public:
    explicit FolderCompleter(QObject *parent = nullptr);

    QStringList splitPath(const QString &path) const override;
    QString pathFromIndex(const QModelIndex &index) const override;

    // What stays in front of the completed entry: the entries before it and
    // the entry's own "!" and opening quote.
    static QString listPrefix(const QString &text);

private:
    QString fieldText() const;

    QFileSystemModel *m_folders;
};
