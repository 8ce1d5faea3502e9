#include "base/FileSearchException.h"

FileSearchException::FileSearchException(const QString &sourceFile, int line, const QString &message)
    : m_text(format(sourceFile, line, message))
{
}

std::string FileSearchException::format(const QString &sourceFile, int line, const QString &message)
{
    return QStringLiteral("File: %1, line: %2, %3").arg(sourceFile).arg(line).arg(message).toStdString();
}
