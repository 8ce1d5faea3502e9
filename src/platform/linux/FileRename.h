#pragma once

#include <QString>

// Gives a file or folder a new path without ever replacing what is already
// there. Returns true on success; on failure `error` (when given) receives
// the system's reason, in the user's language where the C library has it.
bool renameWithoutReplacing(const QString &from, const QString &to, QString *error = nullptr);
