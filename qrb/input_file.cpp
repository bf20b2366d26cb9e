#include "qrb/input_file.h"

namespace {

int closeUnlessStandard(std::FILE* file)
{
    return file == stdin ? 0 : std::fclose(file);
}

} // namespace

bool isStandardInput(const std::string& name)
{
    return name == StandardInputName;
}

InputFile openInput(const std::string& name)
{
    return InputFile(isStandardInput(name) ? stdin : std::fopen(name.c_str(), "rb"), closeUnlessStandard);
}

std::string shownName(const std::string& name)
{
    return isStandardInput(name) ? "стандартный ввод" : name;
}
