// mirelo-generate: writes a synthetic building as s2k text to standard output,
// for trying large models by hand.
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
    "Usage: mirelo-generate STOREYS BAYSX BAYSY > FILE.s2k\n"
    "       mirelo-generate --lines N > FILE.s2k\n"
    "\n"
    "Writes a reinforced-concrete frame building on a regular grid (6 m by 5 m bays,\n"
    "3 m storeys) as s2k text. With --lines, the building has 10 storeys, a square\n"
    "plan and at least N lines.\n";

mirelo::bench::BuildingSize SizeFromArguments(const std::vector<std::string>& args)
{
    using mirelo::ParseInteger;
    if (args.size() == 2 && args[0] == "--lines")
        return mirelo::bench::BuildingWithAtLeastLines(ParseInteger(args[1]));
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
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        std::cout << kUsage;
        return 0;
    }
    try {
        const std::string text = mirelo::bench::GenerateBuildingS2k(SizeFromArguments(args));
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
