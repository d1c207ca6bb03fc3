#pragma once

#include "model/Model.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace mirelo::cli {

using Arguments = std::vector<std::string>;

// Each command takes the arguments after its name, writes its result to `out`
// and returns the exit status. Failures are raised as mirelo::Error; main
// prints them and exits with 1.
int RunInfo(const Arguments& args, std::ostream& out);
int RunTcl(const Arguments& args, std::ostream& out);
int RunV14(const Arguments& args, std::ostream& out);

// Imports an s2k file for a command; an import failure names the file before
// its section and line.
Model ImportModelFile(const std::string& path);

// Raised for a command line that cannot be understood; main adds the usage.
struct UsageError {
    std::string message;
};

} // namespace mirelo::cli
