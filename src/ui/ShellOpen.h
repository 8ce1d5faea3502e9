#pragma once

#include <QString>

#include <functional>

class QWidget;

// Opens `path` the way the desktop does: a program is started with
// `parameters`, a file or folder goes to the desktop's default application
// for it. True when something was started; an empty path gives false.
//
// Every place that opens a result (the table, the manual) goes through this
// one function, so where files are opened (this process, or a helper running
// with the session user's rights) is decided in one place.
bool openWithShell(QWidget *owner, const QString &path, const QString &parameters);

// Tests replace what openWithShell does; an empty function restores the real
// one. Not thread-safe: called on the GUI thread only.
using ShellOpener = std::function<bool(QWidget *owner, const QString &path, const QString &parameters)>;
void setShellOpener(ShellOpener opener);
