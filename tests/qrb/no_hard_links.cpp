// Put before the C library, makes the file system look like one without
// hard links (FAT, some network shares): link() and linkat() are refused as
// such a file system refuses them.

#include <cerrno>

extern "C" int link(const char*, const char*)
{
    errno = EPERM;
    return -1;
}

extern "C" int linkat(int, const char*, int, const char*, int)
{
    errno = EPERM;
    return -1;
}
