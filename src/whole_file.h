// An output file written whole or not at all: the text goes to a temporary
// file beside it, which is renamed into place once the text is complete.
// A run that ends before (a failed design, the one memory error, an
// interrupt) leaves no temporary file behind.
#pragma once

#include <string>

struct Whole_File {
    std::string path;  // where the text ends up
    std::string temp;  // the temporary file beside it; empty when written in place
    int fd = -1;       // open for writing while the text is written
};

// Opens `path` for writing: a temporary file in its folder, or `path`
// itself when it exists and is no regular file (a device such as /dev/null
// or /dev/full, a pipe), which cannot be replaced by a rename.  With
// `make_folders`, the missing folders of the path are created.  Returns ""
// or why it cannot be written.
std::string Open_Whole(Whole_File& file, const std::string& path, bool make_folders);
// Closes the file and renames the temporary file into place.  Returns "" or
// why it failed; then nothing of the text remains.
std::string Commit_Whole(Whole_File& file);
// Closes the file and removes the temporary file.
void Abandon_Whole(Whole_File& file);
// Removes a regular file at `path`, left from an earlier run.
void Remove_Stale(const std::string& path);
