#include "paper/paper.h"

#include "modules/own_module.h"
#include "paper/paper_functions.h"

namespace paper {
namespace {

// The module, loaded at the first call; null when it cannot be.
const Functions* functions()
{
    static const Functions* const loaded = []() -> const Functions* {
        const auto entry = reinterpret_cast<const Functions* (*)()>(
            ownModuleEntry("libazidal-paper.so", "azidalPaperFunctions"));
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
