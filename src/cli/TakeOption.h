#pragma once

#include "cli/Commands.h"

#include <string>
#include <string_view>

namespace mirelo::cli {

// Removes "NAME VALUE" from the arguments and returns VALUE; empty when the
// option is not there. Raises UsageError when VALUE is missing.
std::string TakeOptionValue(Arguments& args, std::string_view name);

// Removes the flag NAME and says whether it was there.
bool TakeFlag(Arguments& args, std::string_view name);

// "--np N": a count of processes from 1 up; 1 when the option is not given.
int TakeProcessCount(Arguments& args);

} // namespace mirelo::cli
