#pragma once

#include <QList>
#include <QString>

// The applications the desktop has registered for a kind of file, read
// from GIO's registry (desktop entries and the user's and system's
// mimeapps.list), so that the user's own associations count.
class DesktopApplications
{
public:
    struct Application
    {
        QString id; // the desktop entry's id, e.g. "org.gnome.TextEditor.desktop"
        QString name;
        QString iconName;
    };

    // The applications for files of this MIME type, the default one first,
    // each once. Empty when none is registered.
    static QList<Application> forMimeType(const QString &mimeType);
    // Starts the application `id` on `path`; false when there is no such
    // application or it could not be started (logged).
    static bool launch(const QString &id, const QString &path);
};
