#include "paper/paper.h"

#include "paper/paper_functions.h"

#include <dlfcn.h>

#include <string>
#include <vector>

namespace paper {
namespace {

// The folders the loader looks for the program's own libraries in, its run
// path among them: the build's, or the package's own folder of libraries.
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

void* openModule()
{
    for (const std::string& folder : libraryFolders()) {
        if (void* module = dlopen((folder + "/libazidal-paper.so").c_str(), RTLD_NOW | RTLD_LOCAL))
            return module;
    }
    return nullptr;
}

// The module, loaded at the first call; null when it cannot be.
const Functions* functions()
{
    static const Functions* const loaded = []() -> const Functions* {
        void* module = openModule();
        if (!module)
            return nullptr;
        const auto entry = reinterpret_cast<const Functions* (*)()>(dlsym(module, "azidalPaperFunctions"));
        return entry ? entry() : nullptr;
    }();
    return loaded;
}

} // namespace

bool print(QWidget* parent, const QString& title, const PagePainter& paint)
{
    const Functions* module = functions();
    if (!module)
        return false;
    module->print(parent, title, paint);
    return true;
}

std::optional<QByteArray> svg(const QRectF& square, const QString& title, const Painter& paint)
{
    const Functions* module = functions();
    if (!module)
        return std::nullopt;
    return module->svg(square, title, paint);
}

QString unavailableText()
{
    return QStringLiteral("Печать и запись SVG недоступны: программа установлена не полностью.");
}

} // namespace paper
