#include "BindMount.h"

#include "LoopMount.h"

#include <QDir>

BindMount::BindMount(const QString &source, const QString &target)
    : m_target(target)
{
    QDir().mkpath(target);
    m_mounted = LoopMount::run(QStringLiteral("mount"), {QStringLiteral("--bind"), source, target});
}

BindMount::~BindMount()
{
    if (m_mounted)
        LoopMount::run(QStringLiteral("umount"), {QStringLiteral("-l"), m_target});
}
