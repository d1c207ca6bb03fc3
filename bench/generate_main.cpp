// mirelo-generate: writes a synthetic building as s2k text or as SAP2000 table
// text to standard output, for trying large models by hand.
#include "BuildingGenerator.h"

#include "common/Errors.h"
#include "common/NumberText.h"

#include <cstdio>
#include <exception>
#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

const char* const kUsage =
    "Usage: mirelo-generate [--tables] STOREYS BAYSX BAYSY > FILE.s2k\n"
    "       mirelo-generate [--tables] --lines N > FILE.s2k\n"
    "\n"
    "Writes a reinforced-concrete frame building on a regular grid (6 m by 5 m bays,\n"
    "3 m storeys) as version-6 s2k text, or with --tables as SAP2000 v24 table text.\n"
    "With --lines, the building has 10 storeys, a square plan and at least N lines\n"
    "(N table rows with --tables).\n";

mirelo::bench::BuildingSize SizeFromArguments(const std::vector<std::string>& args, bool tables)
{
    using mirelo::ParseInteger;
    if (args.size() == 2 && args[0] == "--lines")
        return tables ? mirelo::bench::BuildingWithAtLeastTableRows(ParseInteger(args[1]))
                      : mirelo::bench::BuildingWithAtLeastLines(ParseInteger(args[1]));
    if (args.size() != 3)
        throw std::invalid_argument("expected STOREYS BAYSX BAYSY or --lines N");
    mirelo::bench::BuildingSize size;
    size.storeys = ParseInteger(args[0]);
    size.baysX = ParseInteger(args[1]);
    size.baysY = ParseInteger(args[2]);
    return size;
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    const bool tables = !args.empty() && args[0] == "--tables";
    if (tables)
        args.erase(args.begin());
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        std::cout << kUsage;
        return 0;
    }
    try {
        const mirelo::bench::BuildingSize size = SizeFromArguments(args, tables);
        const std::string text =
            tables ? mirelo::bench::GenerateBuildingTables(size) : mirelo::bench::GenerateBuildingS2k(size);
        if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() || std::fflush(stdout) != 0) {
            std::cerr << "mirelo-generate: cannot write the output\n";
            return 1;
        }
        return 0;
    } catch (const std::exception& e) {
        std::cerr << "mirelo-generate: " << e.what() << "\n\n" << kUsage;
        return 1;
    }
}
