// The usage text, with the settings, section fields and result quantities
// listed from their declarations.
#include "cli/Commands.h"

#include "common/NumberText.h"
#include "model/MaterialLaws.h"
#include "model/SectionSettings.h"
#include "results/ResultQuantities.h"
#include "script/AnalysisSettings.h"
#include "script/RecorderFiles.h"

#include <string>

namespace mirelo::cli {

namespace {

const char* const kCommands =
    "Usage: mirelo-cli COMMAND [ARGUMENTS]\n"
    "\n"
    "Commands:\n"
    "  FILE.s2k is a SAP2000 text file: version-6 keyword text, or a table export\n"
    "  (TABLE: headings, SAP2000 v11 to v24), converted on reading; what the\n"
    "  conversion leaves out goes to standard error.\n"
    "\n"
    "  info FILE.s2k      import a model file and print its counts, one per line\n"
    "  tcl FILE.s2k [--set Name=Value]... [--section NAME:field=value]...\n"
    "      [--material NAME:field=value]... [-o OUT.tcl] [--save-project P.mirelo]\n"
    "                     write the OpenSees script of the model: to standard output\n"
    "                     (LF line ends), or with -o to OUT.tcl (CR LF). --set sets\n"
    "                     an analysis or recorder setting, --section a field of the\n"
    "                     frame section NAME (lists below). Warnings go to standard\n"
    "                     error. --material sets E, U, the type or a parameter of\n"
    "                     the material NAME (lists below). --save-project saves\n"
    "                     the model file's name with every setting as a project.\n"
    "  v14 IN.txt [-o OUT.s2k]\n"
    "                     convert a SAP2000 V14 table file (joints, restraints, joint\n"
    "                     forces, solids and their materials) to version-6 s2k text:\n"
    "                     to standard output (LF line ends), or with -o to OUT.s2k\n"
    "                     (CR LF). The joint and solid counts and the notes go to\n"
    "                     standard error.\n"
    "  convert IN.s2k [-o OUT.s2k]\n"
    "                     convert a SAP2000 table export to version-6 s2k text: to\n"
    "                     standard output (LF line ends), or with -o to OUT.s2k\n"
    "                     (CR LF). Notes on what is left out go to standard error.\n"
    "  results FILE.s2k DIR [--step N | --last | --mode M] [--section QUANTITIES]\n"
    "                     [--set Name=Value]...\n"
    "                     read the recorder files the model's script wrote into DIR:\n"
    "                     \"joint K UX UY UZ\" for every joint (a load step, the last\n"
    "                     one by default, or a mode shape), then with --section\n"
    "                     \"frame K VI VJ\", the quantity at the first and the last\n"
    "                     integration section of every frame; 17 significant digits.\n"
    "                     --set gives the settings the script was generated with.\n"
    "  results FILE.s2k DIR [--step N | --last] [--forces] [--reactions]\n"
    "                     [--set Name=Value]...\n"
    "                     --forces: \"frame K\" and the frame's values as the element\n"
    "                     force file holds them (RecordElementForce=1): end i then\n"
    "                     end j, N Vy Vz T My Mz in local axes each. --reactions:\n"
    "                     \"joint K FX FY FZ MX MY MZ\" for every support\n"
    "                     (RecordReactions=1), then their sums beside the load the\n"
    "                     step applies (moments about the origin).\n"
#ifdef MIRELO_CLI_PICTURE
    "  picture FILE.s2k -o OUT.png [--view xy|xz|yz|3d] [--size WxH]\n"
    "                     [--results DIR [--step N | --last | --mode M] [--scale S]\n"
    "                     [--section QUANTITIES] [--forces Q | --contour C]\n"
    "                     [--set Name=Value]...]\n"
    "                     draw the model (XZ by default, 1024x768) as a PNG file,\n"
    "                     deformed by the loaded results at scale S (by default the\n"
    "                     largest displacement shows as a tenth of the model), with\n"
    "                     the section discs when --section is given.\n"
    "                     [--forces n|vy|vz|t|my|mz] draws that element force of the\n"
    "                     step over the undeformed model instead: axial force, shears,\n"
    "                     torsion or moments in local axes, moments on the side they\n"
    "                     stretch, positive blue and negative red, with a legend; S\n"
    "                     is then model length per unit of force (by default the\n"
    "                     largest value shows as a tenth of the model).\n"
    "                     [--contour u|ux|uy|uz] colours the joints, frames and shells\n"
    "                     of the deformed shape by the size of their displacement or\n"
    "                     one component, blue (smallest) to red (largest), with a legend.\n"
#endif
    "  curve FILE.s2k DIR [--set Name=Value]... [-o CURVE.csv]\n"
    "                     the pushover curve (displacement,base_shear) or time history\n"
    "                     (time,displacement) of the run in DIR, whose script was made\n"
    "                     with RecordCurves=1, as CSV. The run's ";
// The run's curve description file, named here, then:
const char* const kCommandsAfterCurveRun =
    " gives\n"
    "                     the curve's kind; --set gives it for a run without one.\n"
    "  run FILE.s2k DIR [--np N [--hostfile F]] [--set Name=Value]...\n"
    "                     write the script into DIR/model.tcl and run it there in\n"
    "                     OpenSees; with --np N on OpenSeesSP under mpiexec with the\n"
    "                     parallel solver (system Mumps), for AnalysisType 1 and 2.\n"
    "                     Fails unless the script runs to its end (DIR/solver.log).\n"
    "  suite FILE.s2k DIR --motions MOTIONS [--scales 0.5,1,1.5] [--np N]\n"
    "      [--hostfile F] [--time-limit S] [--resume] [--script-only]\n"
    "                     run the time history (AnalysisType 5 or 6) under every\n"
    "                     record of MOTIONS (PEER .AT2 files, or records.csv:\n"
    "                     file,dt,factor[,direction], a factor like 0.5g in g) at\n"
    "                     every scale, each into DIR/<record>_s<scale>/, on N\n"
    "                     processes of OpenSeesMP (or N OpenSees at once without\n"
    "                     it); then DIR/summary.csv. A run stops at its first step\n"
    "                     that does not converge, or after S seconds. --resume runs\n"
    "                     only the runs without a result; --script-only writes\n"
    "                     DIR/suite.tcl for a batch system and runs nothing.\n"
    "                     Programs: MIRELO_MPIEXEC, MIRELO_OPENSEES_MP,\n"
    "                     MIRELO_OPENSEES_SP, MIRELO_OPENSEES, beside mirelo-cli,\n"
    "                     then PATH.\n"
    "\n"
    "Every command that takes FILE.s2k also takes a project (FILE.mirelo): its model\n"
    "with the settings saved in it, --set, --section and --material applied on top.\n"
    "\n"
    "Options:\n"
    "  --help             show this text\n"
    "  --version          show the version\n";

// "  LoadSteps   Load Steps, whole number (100)", then a list's choices one a
// line; without the bracket for a setting whose start is not fixed.
std::string SettingLine(const SettingDeclaration& declaration, bool withStart = true)
{
    std::string line = "  " + std::string(declaration.name);
    line.append(line.size() < 29 ? 29 - line.size() : 1, ' ');
    line += std::string(declaration.label);
    while (!line.empty() && line.back() == ' ')
        line.pop_back();
    switch (declaration.kind) {
    case SettingKind::Integer: {
        const std::string range = RangeText(declaration);
        line += range.empty() ? ", whole number" : ", " + range;
        break;
    }
    case SettingKind::Real: line += ", number"; break;
    case SettingKind::Flag: line += ", 0 or 1"; break;
    case SettingKind::Choice: line += ", one of"; break;
    }
    const double start = declaration.kind == SettingKind::Flag ? (declaration.start != 0 ? 1 : 0) : declaration.start;
    line += withStart ? " (" + FormatGeneral(start) + ")\n" : "\n";
    for (std::size_t k = 0; k < declaration.choices.size(); ++k)
        line += std::string(31, ' ') + std::to_string(k + 1) + " " + std::string(declaration.choices[k]) + "\n";
    return line;
}

} // namespace

std::string UsageText()
{
    std::string text = kCommands;
    text += kCurveRunFileName;
    text += kCommandsAfterCurveRun;
    // The result quantities' names, where the commands take one.
    const std::string quantities = FrameEndQuantityNames("|");
    for (std::size_t at = text.find("QUANTITIES"); at != std::string::npos; at = text.find("QUANTITIES", at))
        text.replace(at, 10, quantities);
    text += "\nSettings for --set Name=Value (start values in brackets):\n";
    for (const auto& field : AnalysisSettingFields())
        text += SettingLine(field.declaration);
    for (const auto& field : RecorderSettingFields())
        text += SettingLine(field.declaration);
    text += "\nFields for --section NAME:field=value (cover and bar areas start at 35 mm and 1000 mm²\n"
            "in the model's length unit; a section of a kind with fibres is checked once all its\n"
            "options are in):\n";
    for (const auto& field : SectionSettingFields())
        text += SettingLine(field.declaration);
    text += "\nFields for --material NAME:field=value (E and U start as the file gives them, G follows as\n"
            "E / (2 (1 + U)); E must be positive, U greater than -1 and less than 0.5; the type starts as\n"
            "Elastic; parameters start from the material's E, FY and FC; a material is checked once all its\n"
            "options are in):\n";
    for (const auto& field : ElasticConstantFields())
        text += SettingLine(field.declaration, false);
    text += SettingLine(MaterialTypeDeclaration());
    for (const auto& field : MaterialLawFields())
        text += SettingLine(field.declaration, false);
    text += "\nOn an error the message goes to standard error and the exit status is 1.\n";
    return text;
}

} // namespace mirelo::cli
