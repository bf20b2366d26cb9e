#include "dxcc/messages.h"

#include "dxcc/country_file_load.h"

namespace dxcc {

std::string_view message(FormatFailure failure)
{
    switch (failure) {
    case FormatFailure::RecordFields:
        return "ожидаются восемь полей, каждое с двоеточием в конце";
    case FormatFailure::BadZone:
        return "зона CQ должна быть от 1 до 40, зона ITU — от 1 до 90";
    case FormatFailure::BadContinent:
        return "континент должен быть одним из AF, AN, AS, EU, NA, OC, SA";
    case FormatFailure::BadLatitude:
        return "широта должна быть числом от −90 до 90";
    case FormatFailure::BadLongitude:
        return "долгота должна быть числом от −180 до 180";
    case FormatFailure::BadUtcOffset:
        return "сдвиг от UTC должен быть числом часов от −14 до 14";
    case FormatFailure::AliasesWithoutRecord:
        return "список префиксов стоит до первой строки страны";
    case FormatFailure::UnendedAliases:
        return "список префиксов этой страны не закончен точкой с запятой";
    case FormatFailure::BadAlias:
        return "префикс пуст, содержит недопустимый знак или незакрытую скобку";
    case FormatFailure::NoRecords:
        return "в файле нет ни одной страны";
    case FormatFailure::TooManyRecords:
        return "в файле больше 65536 стран";
    }
    return {};
}

std::string_view message(CallFailure failure)
{
    switch (failure) {
    case CallFailure::NotCallsign:
        return "это не позывной: позывной состоит из букв и цифр, хотя бы одной, с «/» между частями";
    case CallFailure::Maritime:
        return "станция в море или в воздухе (/MM, /AM): страны у неё нет";
    case CallFailure::NoEntity:
        return "ни один префикс файла стран не подходит к этому позывному";
    }
    return {};
}

std::string message(const std::string& path, const ReadFailure& failure)
{
    const std::string where = failure.kind == FormatFailure::NoRecords ? std::string()
                                                                        : ", строка " + std::to_string(failure.line);
    return "файл стран «" + path + "»" + where + ": " + std::string(message(failure.kind));
}

std::string noCountryFileMessage()
{
    return "нет файла стран: положите cty.dat в «" + userCountryFile() + "» или установите пакет hamradio-files";
}

} // namespace dxcc
