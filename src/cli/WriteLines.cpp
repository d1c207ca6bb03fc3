#include "cli/Commands.h"

#include "common/Errors.h"

#include <ostream>

namespace mirelo::cli {

void WriteLines(const TextLines& lines, const std::string& path, std::ostream& out, const char* what)
{
    if (!path.empty()) {
        SaveTextLines(path, lines);
        return;
    }
    WriteToOutput(lines.Join("\n"), out, what);
}

void WriteToOutput(std::string_view text, std::ostream& out, const char* what)
{
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.flush();
    if (!out)
        throw Error(std::string("Cannot write ") + what + " to standard output");
}

} // namespace mirelo::cli
