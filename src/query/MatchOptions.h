#pragma once

// How one expression text is matched: built by FileSearchRequest's
// nameMatchOptions() and textMatchOptions(), consumed by ExpressionMatcher.
struct MatchOptions
{
    enum Mode { Substring = 0, WholeWord = 1, Regex = 2 };

    int mode = Substring;
    bool caseSensitive = false;
    bool fileName = false;  // matching file names: enables wildcard terms
    bool boolean = false;   // the text is a Boolean expression
    bool wholeFile = false; // found terms accumulate over successive match() calls
};
