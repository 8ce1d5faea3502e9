#include "ui/SearchFieldModel.h"

#include <QCoreApplication>

namespace {

SearchFieldModel *sharedModel(SearchFieldModel *&model)
{
    if (!model) {
        model = new SearchFieldModel(QCoreApplication::instance());
        // A test may end its application and start another one.
        QObject::connect(model, &QObject::destroyed, [&model]() { model = nullptr; });
    }
    return model;
}

SearchFieldModel *s_fileNameModel = nullptr;
SearchFieldModel *s_pathModel = nullptr;
SearchFieldModel *s_contentModel = nullptr;
SearchFieldModel *s_instantFileNameModel = nullptr;

} // namespace

SearchFieldModel::SearchFieldModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

SearchFieldModel *SearchFieldModel::fileNameModel()
{
    return sharedModel(s_fileNameModel);
}

SearchFieldModel *SearchFieldModel::pathModel()
{
    return sharedModel(s_pathModel);
}

SearchFieldModel *SearchFieldModel::contentModel()
{
    return sharedModel(s_contentModel);
}

SearchFieldModel *SearchFieldModel::instantFileNameModel()
{
    return sharedModel(s_instantFileNameModel);
}

int SearchFieldModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_strings.size();
}

int SearchFieldModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 1;
}

QVariant SearchFieldModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_strings.size() || index.column() != 0)
        return QVariant();
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return m_strings.at(index.row());
    return QVariant();
}

void SearchFieldModel::add(const QString &text)
{
    if (text.isEmpty())
        return;
    QStringList strings = m_strings;
    strings.removeAll(text);
    strings.prepend(text);
    setStrings(strings);
}

void SearchFieldModel::setStrings(const QStringList &strings)
{
    beginResetModel();
    m_strings = strings;
    endResetModel();
}
