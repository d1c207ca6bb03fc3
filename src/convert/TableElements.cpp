// The element tables: frames with their sections, local axes and releases;
// areas; solids.
#include "convert/TableConversionContext.h"

namespace mirelo::table {

namespace {

constexpr const char* kJointTable = "JOINT COORDINATES";

void ConvertFrames(Context& c)
{
    if (const TextTable* table = c.text.Find("CONNECTIVITY - FRAME")) {
        c.frames.Reserve(table->rowCount);
        c.frameJoints.reserve(2 * table->rowCount);
    }
    c.ForEachRow("CONNECTIVITY - FRAME", [&](const RowReader& row) {
        const std::string_view label = row.Text("Frame");
        if (!c.frames.Add(label))
            row.Fail("frame " + std::string(label) + " is given twice", "Frame");
        c.frameJoints.push_back(row.Reference("JointI", c.joints, "joint", kJointTable));
        c.frameJoints.push_back(row.Reference("JointJ", c.joints, "joint", kJointTable));
    });
    const auto frameCount = static_cast<std::size_t>(c.frames.size());
    std::vector<std::int32_t> sections(frameCount, 0);
    c.frameAngles.assign(frameCount, 0);
    std::vector<std::string> releases(frameCount);
    const auto frame = [&](const RowReader& row) {
        return static_cast<std::size_t>(row.Reference("Frame", c.frames, "frame", "CONNECTIVITY - FRAME") - 1);
    };
    c.ForEachRow("FRAME SECTION ASSIGNMENTS", [&](const RowReader& row) {
        const std::size_t f = frame(row);
        const std::string_view key = row.TextOr("AnalSect", "").empty() ? "SectionName" : "AnalSect";
        if (row.Text(key) != "None")
            sections[f] = row.Reference(key, c.frameSections, "frame section", "FRAME SECTION PROPERTIES 01 - GENERAL");
    });
    c.ForEachRow("FRAME LOCAL AXES ASSIGNMENTS 1 - TYPICAL",
                 [&](const RowReader& row) { c.frameAngles[frame(row)] = row.Real("Angle"); });
    // Released degrees of freedom of each end, as IREL= and JREL= name them.
    static constexpr std::string_view kReleaseKeys[2][6] = {{"PI", "V2I", "V3I", "TI", "M2I", "M3I"},
                                                            {"PJ", "V2J", "V3J", "TJ", "M2J", "M3J"}};
    static constexpr std::string_view kDofs[6] = {"U1", "U2", "U3", "R1", "R2", "R3"};
    std::int32_t released = 0;
    c.ForEachRow("FRAME RELEASE ASSIGNMENTS 1 - GENERAL", [&](const RowReader& row) {
        std::string text;
        for (int end = 0; end < 2; ++end) {
            std::string dofs;
            for (std::size_t d = 0; d < 6; ++d)
                if (row.Yes(kReleaseKeys[end][d]))
                    dofs += (dofs.empty() ? "" : ",") + std::string(kDofs[d]);
            if (!dofs.empty())
                text += (end == 0 ? "  IREL=" : "  JREL=") + dofs;
        }
        if (!text.empty())
            ++released;
        releases[frame(row)] = text;
    });
    if (released > 0)
        c.out.notes.push_back(CountedHave(released, "frame") + " end releases: they are shown, but elastic "
                              "beam-columns are written with both ends fixed");

    NameList unassigned;
    if (frameCount > 0)
        c.out.lines.Append("FRAME");
    for (std::size_t f = 0; f < frameCount; ++f) {
        const auto k = static_cast<std::int32_t>(f + 1);
        std::string& line = c.line;
        line = "  ";
        c.AppendLabel(line, c.frames[k], k, "frame");
        line += "  J=" + std::to_string(c.frameJoints[2 * f]) + "," + std::to_string(c.frameJoints[2 * f + 1]);
        line += "  SEC=";
        if (sections[f] == 0) {
            line += "NONE";
            unassigned.Add(c.frames[k]);
        } else {
            line += c.S2kName(c.frameSections[sections[f]], "Frame section");
        }
        line += "  NSEG=4  ANG=";
        AppendValue(line, c.frameAngles[f]);
        line += releases[f];
        c.out.lines.Append(line);
    }
    if (frameCount > 0)
        c.out.lines.Append("");
    if (unassigned.count > 0)
        c.out.notes.push_back(CountedHave(unassigned.count, "frame") + " no section: " + unassigned.Text());
}

void ConvertAreas(Context& c)
{
    // Sections first: the connectivity rows are written in one pass.
    std::unordered_map<std::string_view, std::int32_t> areaSection;
    c.ForEachRow("AREA SECTION ASSIGNMENTS", [&](const RowReader& row) {
        const std::string_view section = row.Text("Section");
        areaSection[row.Text("Area")] = section == "None"
                                            ? 0
                                            : row.Reference("Section", c.areaSections, "area section",
                                                            "AREA SECTION PROPERTIES");
    });
    NameList skipped, unassigned;
    std::vector<std::string> lines;
    c.ForEachRow("CONNECTIVITY - AREA", [&](const RowReader& row) {
        const std::string_view label = row.Text("Area");
        const std::int32_t corners = row.TextOr("NumJoints", "4") == "4" ? 4 : 0;
        if (corners != 4 || !row.TextOr("Joint5", "").empty()) {
            skipped.Add(label);
            return;
        }
        std::int32_t joint[4];
        for (int j = 0; j < 4; ++j)
            joint[j] = row.Reference(std::array<std::string_view, 4>{"Joint1", "Joint2", "Joint3", "Joint4"}[j],
                                     c.joints, "joint", kJointTable);
        if (!c.areas.Add(label))
            row.Fail("area " + std::string(label) + " is given twice", "Area");
        const std::int32_t k = c.areas.size();
        // The table goes round the perimeter; the line lists j1, j2, j4, j3.
        std::string line = "  ";
        c.AppendLabel(line, label, k, "area");
        line += "  J=" + std::to_string(joint[0]) + "," + std::to_string(joint[1]) + "," + std::to_string(joint[3]) + ","
                + std::to_string(joint[2]) + "  SEC=";
        const auto section = areaSection.find(label);
        if (section == areaSection.end() || section->second == 0) {
            line += "NONE";
            unassigned.Add(label);
        } else {
            line += c.S2kName(c.areaSections[section->second], "Area section");
        }
        lines.push_back(line);
    });
    if (skipped.count > 0)
        c.out.notes.push_back(Counted(skipped.count, "area")
                              + (skipped.count == 1 ? " does not have four joints and is not taken: "
                                                    : " do not have four joints and are not taken: ")
                              + skipped.Text());
    if (unassigned.count > 0)
        c.out.notes.push_back(CountedHave(unassigned.count, "area") + " no section: " + unassigned.Text());
    if (!lines.empty())
        c.Section("SHELL", lines);
}

void ConvertSolids(Context& c)
{
    // A solid's SEC= is the number of its material.
    std::unordered_map<std::string_view, std::int32_t> propertyMaterial;
    c.ForEachRow("SOLID PROPERTY DEFINITIONS", [&](const RowReader& row) {
        propertyMaterial[row.Text("SolidProp")] =
            row.Reference("Material", c.materials, "material", "MATERIAL PROPERTIES 01 - GENERAL");
    });
    std::unordered_map<std::string_view, std::int32_t> solidMaterial;
    c.ForEachRow("SOLID PROPERTY ASSIGNMENTS", [&](const RowReader& row) {
        const std::string_view property = row.Text("SolidProp");
        const auto found = propertyMaterial.find(property);
        if (found == propertyMaterial.end())
            row.Fail("solid property " + std::string(property) + " is not in the SOLID PROPERTY DEFINITIONS table",
                     "SolidProp");
        solidMaterial[row.Text("Solid")] = found->second;
    });
    static constexpr std::string_view kCorners[8] = {"Joint1", "Joint2", "Joint3", "Joint4",
                                                     "Joint5", "Joint6", "Joint7", "Joint8"};
    std::vector<std::string> lines;
    NameList unassigned;
    c.ForEachRow("CONNECTIVITY - SOLID", [&](const RowReader& row) {
        const std::string_view label = row.Text("Solid");
        std::string line = "  " + std::to_string(lines.size() + 1) + "  J=";
        for (std::size_t j = 0; j < 8; ++j)
            line += (j == 0 ? "" : ",") + std::to_string(row.Reference(kCorners[j], c.joints, "joint", kJointTable));
        const auto material = solidMaterial.find(label);
        if (material == solidMaterial.end())
            unassigned.Add(label);
        line += "  SEC=" + std::to_string(material == solidMaterial.end() ? c.solidMaterial : material->second);
        lines.push_back(line);
    });
    if (unassigned.count > 0)
        c.out.notes.push_back(CountedHave(unassigned.count, "solid") + " no solid property: " + unassigned.Text());
    if (!lines.empty())
        c.Section("SOLID", lines);
}

} // namespace

void ConvertElements(Context& c)
{
    ConvertFrames(c);
    ConvertAreas(c);
    ConvertSolids(c);
}

} // namespace mirelo::table
