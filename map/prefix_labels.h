#pragma once

#include <QString>

#include <vector>

namespace dxcc {
class CountryFile;
struct Entity;
} // namespace dxcc

namespace map {

// The prefix as it is called on the air: "3D2/c" is the file's label for
// Conway Reef, whose stations sign 3D2, so the part after the slash goes;
// the entity is named when the mouse is over it.
QString prefixText(const dxcc::Entity& entity);

// The entities whose prefixes the map shows, the most important first, for
// the labels that overlap to give way to it. The file tells no entity's
// size, so the rule stands in for it: WAE-only entities are left out (each
// lies inside a DXCC entity that is shown); then the shorter the file's
// prefix, the earlier, since the largest countries were given the shortest
// prefixes (K, F, G, I; UA, VE, VK, PY) and islands and territories the
// longest ("VP8/h", "3D2/c"); then alphabetically, so that the map is the
// same every time (and in the file's order where the file repeats one).
std::vector<const dxcc::Entity*> entitiesByImportance(const dxcc::CountryFile& file);

} // namespace map
