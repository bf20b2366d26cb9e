#include "dxcc/call_rules.h"

#include "geodesy/locator.h"

#include <algorithm>
#include <vector>

namespace dxcc {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool isIgnored(std::string_view part)
{
    return std::find(std::begin(IgnoredSuffixes), std::end(IgnoredSuffixes), part) != std::end(IgnoredSuffixes);
}

// The call with its area digit, the last digit it has, replaced: W1AW with
// 4 is W4AW, S51ABC with 3 is S53ABC.
std::string withAreaDigit(std::string_view call, char digit)
{
    std::string result(call);
    result[result.find_last_of("0123456789")] = digit;
    return result;
}

std::variant<CallMatch, CallFailure> found(const Alias* alias, const CountryFile& file, std::string call)
{
    if (!alias)
        return CallFailure::NoEntity;
    return CallMatch{&file.entities()[alias->entity], alias->values, std::move(call)};
}

} // namespace

std::variant<CallMatch, CallFailure> findEntity(const CountryFile& file, std::string_view typed)
{
    std::string call = geodesy::locatorLetters(typed);
    while (!call.empty() && (call.back() == ' ' || call.back() == '\t'))
        call.pop_back();
    call.erase(0, std::min(call.find_first_not_of(" \t"), call.size()));
    if (call.empty() || call.front() == '/' || call.back() == '/' || call.find("//") != std::string::npos
        || !std::all_of(call.begin(), call.end(), [](char c) { return isDigit(c) || (c >= 'A' && c <= 'Z') || c == '/'; }))
        return CallFailure::NotCallsign;

    // Before the digit is asked for: a few special calls have none (RAEM).
    if (const Alias* exact = file.exactCall(call))
        return found(exact, file, call);
    if (std::none_of(call.begin(), call.end(), isDigit))
        return CallFailure::NotCallsign;

    std::vector<std::string_view> parts;
    for (std::string_view rest = call; !rest.empty();) {
        const std::size_t slash = rest.find('/');
        parts.push_back(rest.substr(0, slash));
        rest.remove_prefix(slash == std::string_view::npos ? rest.size() : slash + 1);
    }
    if (std::any_of(parts.begin() + 1, parts.end(), [](std::string_view p) { return p == "MM" || p == "AM"; }))
        return CallFailure::Maritime;
    parts.erase(std::remove_if(parts.begin() + 1, parts.end(), isIgnored), parts.end());

    // What is left: the call, a place before or after it, or an area digit.
    std::string_view home = parts[0];
    std::string_view place;
    char areaDigit = 0;
    if (parts.size() == 2) {
        const std::string_view second = parts[1];
        if (second.size() == 1 && isDigit(second[0]))
            areaDigit = second[0];
        else if (second.size() < home.size())
            place = second;
        else {
            place = home;
            home = second;
        }
    } else if (parts.size() > 2) {
        return CallFailure::NotCallsign;
    }
    if (std::none_of(home.begin(), home.end(), isDigit))
        return CallFailure::NotCallsign;

    if (!place.empty())
        return found(file.longestPrefix(place), file, call);
    const std::string read = areaDigit ? withAreaDigit(home, areaDigit) : std::string(home);
    if (const Alias* exact = file.exactCall(read))
        return found(exact, file, call);
    return found(file.longestPrefix(read), file, call);
}

} // namespace dxcc
