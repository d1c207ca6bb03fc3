// mirelo-cli: the batch front end. Each command calls the same core functions
// as the desktop program.
#include "Version.h"
#include "cli/Commands.h"
#include "common/Errors.h"

#include <exception>
#include <functional>
#include <iostream>
#include <map>

int main(int argc, char** argv)
{
    using namespace mirelo::cli;
    const std::map<std::string, std::function<int(const Arguments&, std::ostream&)>> commands = {
        {"info", RunInfo},
        {"tcl", RunTcl},
        {"v14", RunV14},
        {"convert", RunConvert},
        {"results", RunResults},
#ifdef MIRELO_CLI_PICTURE
        {"picture", RunPicture},
#endif
        {"curve", RunCurve},
        {"run", RunRun},
        {"suite", RunSuite},
    };
    const Arguments all(argv + 1, argv + argc);
    if (all.empty()) {
        std::cerr << UsageText();
        return 1;
    }
    if (all[0] == "--help" || all[0] == "-h") {
        std::cout << UsageText();
        return 0;
    }
    if (all[0] == "--version") {
        std::cout << "mirelo-cli " << mirelo::kVersion << '\n';
        return 0;
    }
    const auto command = commands.find(all[0]);
    if (command == commands.end()) {
        std::cerr << "mirelo-cli: unknown command '" << all[0] << "'\n\n" << UsageText();
        return 1;
    }
    try {
        const Arguments args(all.begin() + 1, all.end());
        return command->second(args, std::cout);
    } catch (const UsageError& e) {
        std::cerr << "mirelo-cli: " << e.message << "\n\n" << UsageText();
    } catch (const mirelo::Error& e) {
        std::cerr << "mirelo-cli: " << e.what() << '\n';
    } catch (const std::exception& e) {
        std::cerr << "mirelo-cli: " << e.what() << '\n';
    }
    return 1;
}
