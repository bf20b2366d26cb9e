#pragma once

// Opens one of the program's own modules by its file name, "libazidal-….so",
// from the folders the loader searches for the program, its run path among
// them: the build's folder of modules, or the package's own folder of
// libraries. Null when it is in none of them or cannot be loaded.
void* openOwnModule(const char* fileName);
