#include "V14TestFiles.h"

#include <cstdlib>

namespace mirelo::test {

namespace {

std::string Items(const std::vector<std::pair<std::string, std::string>>& items)
{
    std::string row;
    for (const auto& [key, value] : items)
        row += "   " + key + "=" + value;
    return row;
}

// Tenths as a decimal text: 12345 gives "1234.5".
std::string Tenths(long long tenths)
{
    const std::string sign = tenths < 0 ? "-" : "";
    return sign + std::to_string(std::llabs(tenths) / 10) + "." + std::to_string(std::llabs(tenths) % 10);
}

} // namespace

std::string JointRow(const std::string& number, const std::string& x, const std::string& y, const std::string& z)
{
    return Items({{"Joint", number}, {"CoordSys", "GLOBAL"}, {"CoordType", "Cartesian"}, {"XorR", x}, {"Y", y},
                  {"Z", z}, {"SpecialJt", "No"}, {"GlobalX", x}, {"GlobalY", y}, {"GlobalZ", z}});
}

std::string RestraintRow(const std::string& number, const std::vector<std::string>& flags)
{
    static const char* const kKeys[] = {"U1", "U2", "U3", "R1", "R2", "R3"};
    std::vector<std::pair<std::string, std::string>> items = {{"Joint", number}};
    for (std::size_t i = 0; i < flags.size() && i < 6; ++i)
        items.emplace_back(kKeys[i], flags[i]);
    return Items(items);
}

std::string LoadRow(const std::string& number, const std::string& pattern, const std::vector<std::string>& values)
{
    static const char* const kKeys[] = {"F1", "F2", "F3", "M1", "M2", "M3"};
    std::vector<std::pair<std::string, std::string>> items = {
        {"Joint", number}, {"LoadPat", pattern}, {"CoordSys", "GLOBAL"}};
    for (std::size_t i = 0; i < values.size() && i < 6; ++i)
        items.emplace_back(kKeys[i], values[i]);
    return Items(items);
}

std::string SolidRow(const std::string& number, const std::vector<std::string>& joints)
{
    std::vector<std::pair<std::string, std::string>> items = {{"Solid", number}};
    for (std::size_t i = 0; i < joints.size(); ++i)
        items.emplace_back("Joint" + std::to_string(i + 1), joints[i]);
    items.emplace_back("Volume", "1");
    return Items(items);
}

std::string MaterialRow(const std::string& name, const std::string& e, const std::string& poisson,
                        const std::string& unitMass, const std::string& unitWeight)
{
    const double g = std::strtod(e.c_str(), nullptr) / (2 * (1 + std::strtod(poisson.c_str(), nullptr)));
    return Items({{"Material", name}, {"UnitWeight", unitWeight}, {"UnitMass", unitMass}, {"E1", e},
                  {"G12", std::to_string(g)}, {"U12", poisson}, {"A1", "9.9E-06"}});
}

std::string SolidPropertyRow(const std::string& property, const std::string& material)
{
    return Items({{"SolidProp", property}, {"Material", material}, {"MatAngleA", "0"}, {"MatAngleB", "0"},
                  {"MatAngleC", "0"}, {"InComp", "Yes"}, {"Color", "Red"}});
}

std::string SolidAssignmentRow(const std::string& solid, const std::string& property)
{
    return Items({{"Solid", solid}, {"SolidProp", property}});
}

std::vector<std::string> Table(const std::string& name, const std::vector<std::string>& rows)
{
    std::vector<std::string> lines = {"TABLE:  \"" + name + "\""};
    lines.insert(lines.end(), rows.begin(), rows.end());
    lines.push_back("");
    return lines;
}

TextLines V14File(const std::vector<std::vector<std::string>>& tables)
{
    TextLines lines;
    lines.Append("File C:\\model.s2k was saved on 6/1/2012 at 10:00:00");
    lines.Append("");
    for (const auto& table : tables)
        for (const std::string& line : table)
            lines.Append(line);
    lines.Append("END TABLE DATA");
    return lines;
}

TextLines SolidBlockV14(int nx, int ny, int nz)
{
    const auto joint = [&](int i, int j, int k) { return 1 + i + (nx + 1) * (j + (ny + 1) * k); };
    std::vector<std::string> joints, restraints, loads, solids;
    for (int k = 0; k <= nz; ++k)
        for (int j = 0; j <= ny; ++j)
            for (int i = 0; i <= nx; ++i) {
                const std::string n = std::to_string(joint(i, j, k));
                joints.push_back(JointRow(n, Tenths(12345LL * i), Tenths(-10001LL * j), Tenths(30000LL * k + 7)));
                if (k == 0)
                    restraints.push_back(RestraintRow(n, (i + j) % 2 == 0 ? std::vector<std::string>(6, "Yes")
                                                                         : std::vector<std::string>{"No", "No", "Yes", "No", "No", "No"}));
                if (k == nz)
                    loads.push_back(LoadRow(n, "PUSH", {"-12345.678", "0.1", "1E-3", "2.5E6", "-0.333333333333", "7"}));
            }
    int number = 0;
    for (int k = 0; k < nz; ++k)
        for (int j = 0; j < ny; ++j)
            for (int i = 0; i < nx; ++i) {
                std::vector<std::string> corners;
                for (int dk = 0; dk <= 1; ++dk)
                    for (int dj = 0; dj <= 1; ++dj)
                        for (int di = 0; di <= 1; ++di)
                            corners.push_back(std::to_string(joint(i + di, j + dj, k + dk)));
                solids.push_back(SolidRow(std::to_string(++number), corners));
            }
    return V14File({Table("JOINT COORDINATES", joints), Table("JOINT RESTRAINT ASSIGNMENTS", restraints),
                    Table("JOINT LOADS - FORCE", loads), Table("CONNECTIVITY - SOLID", solids)});
}

} // namespace mirelo::test
