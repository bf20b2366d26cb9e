#pragma once

#include "dxcc/country_file.h"

#include <string>
#include <string_view>
#include <variant>

namespace dxcc {

// Where a callsign was found: its entity and the values that hold for it,
// the matching alias's overrides included.
struct CallMatch {
    const Entity* entity;
    Values values;
    std::string call;  // the call as it was read: upper case, Latin letters
};

enum class CallFailure {
    NotCallsign,  // no digit, or a character no call has
    Maritime,     // /MM or /AM: at sea or in the air, no entity
    NoEntity,     // nothing in the file begins it
};

// Suffixes that say how a station works, not where: they are dropped
// before the call is looked up.
inline constexpr std::string_view IgnoredSuffixes[] = {
    "P", "M", "A", "B", "J", "R", "T", "QRP", "QRPP", "LH", "LGT", "AE", "AG", "KT", "BCN", "SAT", "YOTA",
};

// The entity of a call, by these rules in order: the whole call among the
// file's exact calls; /MM and /AM have none; the suffixes above dropped; a
// prefix before or after the call ("KH6/W1AW", "W1AW/KH6", "F/G3ABC")
// places it; a single digit after it replaces the call's area digit
// ("UA1ABC/9" is UA9ABC); the call so read among the exact calls; else the
// longest prefix that begins it.
std::variant<CallMatch, CallFailure> findEntity(const CountryFile& file, std::string_view call);

} // namespace dxcc
