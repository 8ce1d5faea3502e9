#pragma once

#include <QMetaType>
#include <QString>

// A folder or name the index leaves out. Inactive entries are kept so the
// user can switch them back on without typing them again.
struct ExcludePath
{
    QString path;
    bool active = true;
};

inline bool operator==(const ExcludePath &a, const ExcludePath &b)
{
    return a.path == b.path && a.active == b.active;
}

inline bool operator!=(const ExcludePath &a, const ExcludePath &b)
{
    return !(a == b);
}

Q_DECLARE_METATYPE(ExcludePath)
