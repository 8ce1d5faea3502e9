#pragma once

#include <QAbstractTableModel>
#include <QStringList>

// A search history: strings, most recent first, in one column, as the model
// of an editable combo box. Adding resets the model; the combos that show it
// keep their edited text across the reset themselves.
//
// The four histories of the program are process-wide (every tab shares the
// search panel's three, every instant toolbar the fourth); they are created
// on first use and belong to the application object.
class SearchFieldModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit SearchFieldModel(QObject *parent = nullptr);

    static SearchFieldModel *fileNameModel();
    static SearchFieldModel *pathModel();
    static SearchFieldModel *contentModel();
    static SearchFieldModel *instantFileNameModel();

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    // An empty text is ignored; a text already listed moves to the top.
    // The list grows without bound; it is cut only when it is saved.
    void add(const QString &text);
    void setStrings(const QStringList &strings);
    QStringList strings() const { return m_strings; }
    void clear() { setStrings(QStringList()); }

private:
    QStringList m_strings;
};
