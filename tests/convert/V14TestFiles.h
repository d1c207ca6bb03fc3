#pragma once

#include "common/TextLines.h"

#include <string>
#include <vector>

namespace mirelo::test {

// V14 table-file rows as SAP2000 V14 writes them: three blanks before and
// between the Key=Value items.
std::string JointRow(const std::string& number, const std::string& x, const std::string& y, const std::string& z);
std::string RestraintRow(const std::string& number, const std::vector<std::string>& flags);
std::string LoadRow(const std::string& number, const std::string& pattern, const std::vector<std::string>& values);
std::string SolidRow(const std::string& number, const std::vector<std::string>& joints);
// A row of the material, solid property or assignment table: E1, U12 and the
// other values as given; G12 follows from E1 and U12 and A1 is fixed.
std::string MaterialRow(const std::string& name, const std::string& e, const std::string& poisson,
                        const std::string& unitMass = "2.4E-09", const std::string& unitWeight = "2.4E-05");
std::string SolidPropertyRow(const std::string& property, const std::string& material);
std::string SolidAssignmentRow(const std::string& solid, const std::string& property);

// A table: its heading line, its rows and the blank line that ends it.
std::vector<std::string> Table(const std::string& name, const std::vector<std::string>& rows);

TextLines V14File(const std::vector<std::vector<std::string>>& tables);

// A block of nx x ny x nz eight-node solids whose joints are numbered 1, 2, 3
// ... in row order, the base joints restrained and the top joints loaded in
// every component; coordinates and loads need more than four and five digits.
TextLines SolidBlockV14(int nx, int ny, int nz);

} // namespace mirelo::test
