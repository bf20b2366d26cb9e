#include "paper/paper.h"

#include "paper/paper_functions.h"

#include <dlfcn.h>

namespace paper {
namespace {

// The module, loaded at the first call; null when it cannot be.
const Functions* functions()
{
    static const Functions* const loaded = []() -> const Functions* {
        // Found through the program's run path: in the build, or in the
        // package's own folder of libraries.
        void* module = dlopen("libazidal-paper.so", RTLD_NOW | RTLD_LOCAL);
        if (!module)
            return nullptr;
        const auto entry = reinterpret_cast<const Functions* (*)()>(dlsym(module, "azidalPaperFunctions"));
        return entry ? entry() : nullptr;
    }();
    return loaded;
}

} // namespace

Printed print(QWidget* parent, const QString& title, const PagePainter& paint)
{
    const Functions* module = functions();
    return module ? module->print(parent, title, paint) : Printed::Unavailable;
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
