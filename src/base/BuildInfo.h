#pragma once

#include <QString>

// What this build of the program is.
class BuildInfo
{
public:
    static QString version();
    // The compile date and time of the program, in the default locale's
    // short format.
    static QString buildTime();
};
