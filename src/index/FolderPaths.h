#pragma once

#include "base/IndexTypes.h"
#include "strings/BlockArena.h"

#include <cstddef>
#include <vector>

// The paths of folders met by one search, as the file system's bytes, by
// folder number: each is made once, from its parent's, and stays put until
// the table goes. A broad search meets tens of thousands of folders, so the
// table is open-addressed and the paths lie in an arena: a map of strings
// cost more than the rest of finding the matches.
//
// One thread at a time; the strings handed out may be read by others.
class FolderPaths
{
public:
    // A kept path: NUL-terminated. A folder kept without a path (under an
    // excluded name, or on a broken chain) has an empty text.
    struct Path
    {
        const char *text = nullptr;
        std::size_t length = 0;
    };

    FolderPaths();
    FolderPaths(const FolderPaths &) = delete;
    FolderPaths &operator=(const FolderPaths &) = delete;

    // The path kept for `folder`; a null text when none is kept.
    Path find(FRN folder) const;
    // Keeps `base` + "/" + `name` as `folder`'s path ("/" is not doubled
    // after a base ending with one), or `name` alone for a null base text:
    // a root, whose name is its mount point.
    Path keep(FRN folder, const Path &base, const char *name);
    // Keeps `folder` as having no path.
    Path keepNone(FRN folder);

    // The folder asked for last, answered without a look-up: a folder's
    // files mostly come together.
    FRN lastFolder = 0;
    Path lastPath;

private:
    struct Slot
    {
        FRN folder = 0;
        Path path; // a null text: the slot is free
    };

    Path put(FRN folder, const Path &path);
    std::size_t slotOf(FRN folder) const;
    void grow();

    std::vector<Slot> m_slots;
    std::size_t m_count = 0;
    BlockArena m_arena;
};
