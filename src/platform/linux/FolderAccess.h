#pragma once

#include <QByteArray>
#include <QHash>

// Whether the calling thread, with its file-system credentials as they
// are (see ThreadCredentials), could list a folder the way `find` does:
// every folder from "/" down to it and itself can be read and entered.
// The kernel judges each folder (modes, groups, ACLs). Answers are kept per
// folder for the object's life, so the folders shared by many results are
// asked once: use one object per request, on one thread.
class FolderAccess
{
public:
    // `folder` is an absolute path without a trailing "/" (except "/").
    bool canList(const QByteArray &folder);
    int checks() const { return m_checks; }

private:
    bool readableAndSearchable(const QByteArray &folder);

    QHash<QByteArray, bool> m_known;
    int m_checks = 0;
};
