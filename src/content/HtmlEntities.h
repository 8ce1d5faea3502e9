#pragma once

#include <QStringView>

// Character references of HTML: the named entities of HTML 4 (and "apos" of
// XHTML), decimal "&#NNN;" and hexadecimal "&#xHH;". A table of our own keeps
// the converters free of Qt Gui, whose text document would otherwise decode
// them.
class HtmlEntities
{
public:
    // The code point of `reference`, given without its "&" and ";" (as
    // "amp", "#38", "#x26"); 0 for an unknown name or a number that is no
    // character (0, a surrogate, past U+10FFFF).
    static char32_t decode(QStringView reference);
};
