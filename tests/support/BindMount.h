#pragma once

#include <QString>

// A bind mount of `source` at `target` for the lifetime of the object
// (target is created when missing). Undone in the destructor.
class BindMount
{
public:
    BindMount(const QString &source, const QString &target);
    ~BindMount();
    BindMount(const BindMount &) = delete;
    BindMount &operator=(const BindMount &) = delete;

    bool isMounted() const { return m_mounted; }
    QString target() const { return m_target; }

private:
    QString m_target;
    bool m_mounted = false;
};
