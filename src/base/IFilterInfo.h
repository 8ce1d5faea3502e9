#pragma once

#include <QMetaType>
#include <QString>
#include <QStringList>

// One installed document filter as the content searcher knows it. Linux has
// no filter registry, so the lists of these stay empty until a converter
// source fills them; the record still travels so that the options and the
// content searcher need no special case.
struct IFilterInfo
{
    QString clsid;          // "{...}", lower case
    QString name;           // display name; may be empty
    QStringList extensions; // the extensions the filter serves
};

Q_DECLARE_METATYPE(IFilterInfo)
