#include "cli/Commands.h"

namespace mirelo::cli {

ConversionArguments ParseConversionArguments(const Arguments& args, const std::string& command,
                                             const std::string& file)
{
    ConversionArguments parsed;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "-o") {
            if (i + 1 >= args.size())
                throw UsageError{"-o needs a value"};
            parsed.outputPath = args[++i];
        } else if (arg.starts_with("-") && arg.size() > 1) {
            throw UsageError{"unknown option '" + arg + "'"};
        } else if (parsed.inputPath.empty()) {
            parsed.inputPath = arg;
        } else {
            throw UsageError{command + " takes one " + file};
        }
    }
    if (parsed.inputPath.empty())
        throw UsageError{command + " needs a " + file};
    return parsed;
}

} // namespace mirelo::cli
