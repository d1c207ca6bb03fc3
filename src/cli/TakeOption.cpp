#include "cli/TakeOption.h"

#include "common/Errors.h"
#include "common/NumberText.h"

#include <algorithm>

namespace mirelo::cli {

std::string TakeOptionValue(Arguments& args, std::string_view name)
{
    const auto option = std::find(args.begin(), args.end(), name);
    if (option == args.end())
        return {};
    if (option + 1 == args.end())
        throw UsageError{std::string(name) + " needs a value"};
    std::string value = *(option + 1);
    args.erase(option, option + 2);
    return value;
}

bool TakeFlag(Arguments& args, std::string_view name)
{
    const auto flag = std::find(args.begin(), args.end(), name);
    if (flag == args.end())
        return false;
    args.erase(flag);
    return true;
}

int TakeProcessCount(Arguments& args)
{
    const std::string text = TakeOptionValue(args, "--np");
    if (text.empty())
        return 1;
    int count = 0;
    try {
        count = ParseInteger(text);
    } catch (const ConversionError&) {
        throw UsageError{"--np takes a count of processes, not '" + text + "'"};
    }
    if (count < 1 || count > 4096)
        throw UsageError{"--np takes 1 to 4096 processes, not " + text};
    return count;
}

} // namespace mirelo::cli
