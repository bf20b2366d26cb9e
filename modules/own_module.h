#pragma once

// The entry `entryName` of one of the program's own modules, found by its
// file name, "libazidal-….so", in the folders the loader searches for the
// program, its run path among them: the build's folder of modules, or the
// package's own folder of libraries. Null when the module is in none of
// them, cannot be loaded or has no such entry.
void* ownModuleEntry(const char* fileName, const char* entryName);
