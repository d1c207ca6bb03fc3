// mirelo-cli v14: a SAP2000 V14 table file as version-6 s2k text, as the
// converter window's "Open S2k" and "Save S2k" make it.
#include "cli/Commands.h"

#include "common/TextLines.h"
#include "convert/V14Converter.h"

#include <iostream>
#include <ostream>

namespace mirelo::cli {

int RunV14(const Arguments& args, std::ostream& out)
{
    const auto [inputPath, outputPath] = ParseConversionArguments(args, "v14", "V14 file");

    V14Conversion conversion;
    try {
        conversion = ConvertV14File(LoadTextLines(inputPath));
    } catch (const V14Error& e) {
        throw Error(inputPath + ": " + e.what());
    }
    WriteLines(conversion.lines, outputPath, out, "the converted text");
    const std::vector<std::string> summary = V14Summary(conversion);
    // The title and "Finish!!" belong to the window; here the counts and notes.
    for (std::size_t i = 1; i + 1 < summary.size(); ++i)
        std::cerr << summary[i] << '\n';
    return 0;
}

} // namespace mirelo::cli
