#pragma once

#include "support/LoopMount.h"

#include <QDir>
#include <QString>

// A bind mount of `source` at `target` (created when missing) while the object lives.
class BindMount
{
public:
    BindMount(const QString &source, const QString &target)
        : m_target(target)
    {
        QDir().mkpath(target);
        m_mounted = LoopMount::run(QStringLiteral("mount"), {QStringLiteral("--bind"), source, target});
    }
    ~BindMount()
    {
        if (m_mounted)
            LoopMount::run(QStringLiteral("umount"), {QStringLiteral("-l"), m_target});
    }
    BindMount(const BindMount &) = delete;
    BindMount &operator=(const BindMount &) = delete;

    bool isMounted() const { return m_mounted; }
    QString target() const { return m_target; }

private:
    QString m_target;
    bool m_mounted = false;
};
