#pragma once

#include "common/Errors.h"
#include "common/TextLines.h"

#include <cstddef>
#include <string>
#include <vector>

namespace mirelo {

// A table text that cannot be converted: the reason and where it happened
// ("joint B7 is not in the JOINT COORDINATES table (CONNECTIVITY - FRAME
// table, line 12, key JointI)"). A failure that belongs to no line has line 0.
class TableError : public Error {
public:
    // `file`, when given, leads the message: "model.s2k: ...".
    TableError(const std::string& reason, std::string table, std::size_t lineNumber, std::string key = {},
               const std::string& file = {});
    const std::string& reason() const { return reason_; }
    const std::string& table() const { return table_; }    // e.g. "JOINT COORDINATES"
    std::size_t lineNumber() const { return lineNumber_; } // 1-based line of the file
    const std::string& key() const { return key_; }        // e.g. "XorR"; empty when no value was at fault

private:
    std::string reason_;
    std::string table_;
    std::size_t lineNumber_;
    std::string key_;
};

// The version-6 s2k text of a table export, and what the user should know
// about it: tables and rows not taken, renamed labels, a missing end.
struct TableConversion {
    TextLines lines;
    std::vector<std::string> notes;
};

// Converts the tables of a SAP2000 table export (v11 to v24) of a frame, shell
// or solid building into version-6 s2k text that ImportS2k reads: units,
// joints, restraints, diaphragms, masses, materials, frame and area sections,
// frames, areas, solids, load patterns, joint forces and uniform frame loads.
// Joints, frames and areas are numbered in table order; their labels go in
// the label position of their lines. All or nothing: raises TableError.
TableConversion ConvertTableText(const TextLines& tableLines);

} // namespace mirelo
