// mirelo-cli: the batch front end. Each command calls the same core functions
// as the desktop program.
#include "Version.h"
#include "cli/Commands.h"
#include "common/Errors.h"

#include <exception>
#include <functional>
#include <iostream>
#include <map>

namespace {

const char* const kUsage =
    "Usage: mirelo-cli COMMAND [ARGUMENTS]\n"
    "\n"
    "Commands:\n"
    "  info FILE.s2k      import an s2k file and print its counts, one per line\n"
    "  tcl FILE.s2k [--set Name=Value]... [--section NAME:field=value]... [-o OUT.tcl]\n"
    "                     write the OpenSees script of the model: to standard output\n"
    "                     (LF line ends), or with -o to OUT.tcl (CR LF). --set takes\n"
    "                     any analysis or recorder setting by name (flags 0 or 1);\n"
    "                     --section sets elementKind, geomTransf, sectionUse, divideX,\n"
    "                     divideY, barNumX, barNumY, cover, barAreaX or barAreaY of\n"
    "                     the frame section NAME. Warnings go to standard error.\n"
    "  v14 IN.txt [-o OUT.s2k]\n"
    "                     convert a SAP2000 V14 table file (joints, restraints, joint\n"
    "                     forces, solids) to version-6 s2k text: to standard output\n"
    "                     (LF line ends), or with -o to OUT.s2k (CR LF). The joint\n"
    "                     and solid counts go to standard error.\n"
    "  results FILE.s2k DIR [--step N | --last | --mode M] [--section axial|kz|ky]\n"
    "                     [--set Name=Value]...\n"
    "                     read the recorder files the model's script wrote into DIR:\n"
    "                     \"joint K UX UY UZ\" for every joint (a load step, the last\n"
    "                     one by default, or a mode shape), then with --section\n"
    "                     \"frame K VI VJ\", the quantity at the first and the last\n"
    "                     integration section of every frame; 17 significant digits.\n"
    "                     --set gives the settings the script was generated with.\n"
#ifdef MIRELO_CLI_PICTURE
    "  picture FILE.s2k -o OUT.png [--view xy|xz|yz|3d] [--size WxH]\n"
    "                     [--results DIR [--step N | --last | --mode M] [--scale S]\n"
    "                     [--section axial|kz|ky] [--set Name=Value]...]\n"
    "                     draw the model (XZ by default, 1024x768) as a PNG file,\n"
    "                     deformed by the loaded results at scale S (by default the\n"
    "                     largest displacement shows as a tenth of the model), with\n"
    "                     the section discs when --section is given.\n"
#endif
    "\n"
    "Options:\n"
    "  --help             show this text\n"
    "  --version          show the version\n"
    "\n"
    "On an error the message goes to standard error and the exit status is 1.\n";

} // namespace

int main(int argc, char** argv)
{
    using namespace mirelo::cli;
    const std::map<std::string, std::function<int(const Arguments&, std::ostream&)>> commands = {
        {"info", RunInfo},
        {"tcl", RunTcl},
        {"v14", RunV14},
        {"results", RunResults},
#ifdef MIRELO_CLI_PICTURE
        {"picture", RunPicture},
#endif
    };
    const Arguments all(argv + 1, argv + argc);
    if (all.empty()) {
        std::cerr << kUsage;
        return 1;
    }
    if (all[0] == "--help" || all[0] == "-h") {
        std::cout << kUsage;
        return 0;
    }
    if (all[0] == "--version") {
        std::cout << "mirelo-cli " << mirelo::kVersion << '\n';
        return 0;
    }
    const auto command = commands.find(all[0]);
    if (command == commands.end()) {
        std::cerr << "mirelo-cli: unknown command '" << all[0] << "'\n\n" << kUsage;
        return 1;
    }
    try {
        const Arguments args(all.begin() + 1, all.end());
        return command->second(args, std::cout);
    } catch (const UsageError& e) {
        std::cerr << "mirelo-cli: " << e.message << "\n\n" << kUsage;
    } catch (const mirelo::Error& e) {
        std::cerr << "mirelo-cli: " << e.what() << '\n';
    } catch (const std::exception& e) {
        std::cerr << "mirelo-cli: " << e.what() << '\n';
    }
    return 1;
}
