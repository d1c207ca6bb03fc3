// mirelo-cli convert: a SAP2000 table export as the version-6 s2k text the
// import reads it through.
#include "cli/Commands.h"

#include "common/TextLines.h"
#include "convert/TableConverter.h"
#include "convert/TableText.h"

#include <iostream>
#include <ostream>

namespace mirelo::cli {

int RunConvert(const Arguments& args, std::ostream& out)
{
    const auto [inputPath, outputPath] = ParseConversionArguments(args, "convert", "table file");

    const TextLines lines = LoadTextLines(inputPath);
    if (!IsTableText(lines))
        throw Error(inputPath + " is not a SAP2000 table export: no TABLE: heading");
    TableConversion conversion;
    try {
        conversion = ConvertTableText(lines);
    } catch (const TableError& e) {
        throw TableError(e.reason(), e.table(), e.lineNumber(), e.key(), inputPath);
    }
    WriteLines(conversion.lines, outputPath, out, "the converted text");
    for (const std::string& note : conversion.notes)
        std::cerr << note << '\n';
    return 0;
}

} // namespace mirelo::cli
