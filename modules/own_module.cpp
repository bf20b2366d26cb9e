#include "modules/own_module.h"

#include <dlfcn.h>

#include <string>
#include <vector>

namespace {

// Asked of the loader, because dlopen() given a bare name reads the run path
// of its caller, which is not the program under a tool that wraps dlopen(),
// such as AddressSanitizer.
std::vector<std::string> libraryFolders()
{
    void* program = dlopen(nullptr, RTLD_NOW);
    Dl_serinfo size;
    if (!program || dlinfo(program, RTLD_DI_SERINFOSIZE, &size) != 0)
        return {};
    std::vector<char> buffer(size.dls_size);
    auto* info = reinterpret_cast<Dl_serinfo*>(buffer.data());
    *info = size;
    if (dlinfo(program, RTLD_DI_SERINFO, info) != 0)
        return {};
    std::vector<std::string> folders;
    for (unsigned i = 0; i < info->dls_cnt; ++i) {
        // A relative entry, as an empty one in a run path is, would be read
        // from the working folder: never a place to load code from.
        if (const std::string folder = info->dls_serpath[i].dls_name; folder.rfind('/', 0) == 0)
            folders.push_back(folder);
    }
    return folders;
}

} // namespace

void* ownModuleEntry(const char* fileName, const char* entryName)
{
    for (const std::string& folder : libraryFolders()) {
        if (void* module = dlopen((folder + '/' + fileName).c_str(), RTLD_NOW | RTLD_LOCAL))
            return dlsym(module, entryName);
    }
    return nullptr;
}
