#pragma once

#include "common/TextLines.h"
#include "model/Model.h"

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace mirelo::cli {

using Arguments = std::vector<std::string>;

// Each command takes the arguments after its name, writes its result to `out`
// and returns the exit status. Failures are raised as mirelo::Error; main
// prints them and exits with 1.
int RunInfo(const Arguments& args, std::ostream& out);
int RunTcl(const Arguments& args, std::ostream& out);
int RunV14(const Arguments& args, std::ostream& out);
int RunConvert(const Arguments& args, std::ostream& out);
int RunResults(const Arguments& args, std::ostream& out);
int RunPicture(const Arguments& args, std::ostream& out); // only where the view library is built
int RunCurve(const Arguments& args, std::ostream& out);
int RunRun(const Arguments& args, std::ostream& out);
int RunSuite(const Arguments& args, std::ostream& out);

// Imports a model file of either kind (version-6 text or table export) for a
// command; a failure names the file, and the import's notes go to standard
// error.
Model ReadModel(const std::string& path);

// Writes a command's text: to `out` with LF line ends when `path` is empty,
// otherwise to the file with CR LF, as the desktop program saves. `what`
// names the text in the message when standard output cannot be written.
void WriteLines(const TextLines& lines, const std::string& path, std::ostream& out, const char* what);

// Writes `text` to standard output; raises Error naming `what` when it cannot.
void WriteToOutput(std::string_view text, std::ostream& out, const char* what);

// The arguments of a conversion command: one input file and "-o OUT"; an
// empty output path means standard output. `file` names the input in the
// usage messages ("table file").
struct ConversionArguments {
    std::string inputPath;
    std::string outputPath;
};
ConversionArguments ParseConversionArguments(const Arguments& args, const std::string& command,
                                             const std::string& file);

// The text of --help: the commands, every setting and section field with its
// caption, range or choices and start value.
std::string UsageText();

// Raised for a command line that cannot be understood; main adds the usage.
struct UsageError {
    std::string message;
};

} // namespace mirelo::cli
