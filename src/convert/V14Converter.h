#pragma once

#include "common/Errors.h"
#include "common/TextLines.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace mirelo {

// A conversion failure: the reason and where it happened. A failure that
// belongs to no line (a missing table) has line number 0.
class V14Error : public Error {
public:
    V14Error(const std::string& reason, std::string table, std::size_t lineNumber);
    const std::string& reason() const { return reason_; }
    const std::string& table() const { return table_; } // e.g. "JOINT COORDINATES"
    std::size_t lineNumber() const { return lineNumber_; } // 1-based line of the file

private:
    std::string reason_;
    std::string table_;
    std::size_t lineNumber_;
};

// What a conversion gives: the version-6 s2k lines and the row counts of the
// joint and solid tables, with remarks the user should read.
struct V14Conversion {
    TextLines lines;
    std::int32_t jointCount = 0; // NJ
    std::int32_t solidCount = 0; // NS
    std::int32_t materialCount = 0; // materials in the MATERIAL section
    std::vector<std::string> notes;
};

// Converts the tables JOINT COORDINATES, JOINT RESTRAINT ASSIGNMENTS, JOINT
// LOADS - FORCE and CONNECTIVITY - SOLID of a SAP2000 V14 table file into
// the SYSTEM, JOINT, RESTRAINT, LOAD (one case, PUSH), MATERIAL and SOLID
// sections of a version-6 s2k text. Joints are written with their positions
// in the joint table, which the s2k import takes as their numbers; every row
// that names a joint is mapped through its number. A restraint or load row
// naming a joint the joint table lacks is left out with a note; a solid
// naming one is refused. The materials of MATERIAL PROPERTIES 02 - BASIC
// MECHANICAL PROPERTIES go into MATERIAL in table order, and each solid's
// SEC= is the place of the material that SOLID PROPERTY ASSIGNMENTS and
// SOLID PROPERTY DEFINITIONS give it (rows read by key); solids without one
// share a normal concrete in N and mm, with a note. A row naming an unknown
// material, property or solid is refused. The joint table is required; the
// others may be absent. A table ends at a blank line or at the end of the
// file. Raises V14Error and gives nothing on any failure.
V14Conversion ConvertV14File(const TextLines& v14Lines);

// The summary a conversion shows: a title, "NJOINT = n", "NSOLID = n", the
// notes, and "Finish!!".
std::vector<std::string> V14Summary(const V14Conversion& conversion);

} // namespace mirelo
