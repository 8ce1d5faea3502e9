#pragma once

#include <QString>

#include <exception>
#include <string>

// A failure inside the index, the search engine or a converter. The text is
// "File: <module>, line: <line>, <message>", where module is the fixed name
// of the raising module ("NTFSDriveDB", "ContentSearcher", ...).
class FileSearchException : public std::exception
{
public:
    FileSearchException(const QString &sourceFile, int line, const QString &message);

    const char *what() const noexcept override { return m_text.c_str(); }

    static std::string format(const QString &sourceFile, int line, const QString &message);

private:
    std::string m_text;
};
