#pragma once

// What the table readers of the conversion share: the tables, the row being
// read (added to every failure), the label indexes and the output.

#include "common/TextLines.h"
#include "convert/TableConverter.h"
#include "convert/TableText.h"

#include <array>
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace mirelo::table {

// Labels of one kind (joints, frames, materials ...) numbered 1, 2, 3 ... in
// the order they are added.
class LabelIndex {
public:
    // Adds a label; false when it is there already.
    bool Add(std::string_view label);
    // The label's number, 0 when it is not there. Rows that name labels in
    // the order they were added (assignment tables) are found without hashing.
    std::int32_t Find(std::string_view label) const;
    void Reserve(std::size_t count);
    std::int32_t size() const { return static_cast<std::int32_t>(labels_.size()); }
    std::string_view operator[](std::int32_t k) const { return labels_[static_cast<std::size_t>(k - 1)]; }

private:
    // The number of a label written as the decimal number k of an entry
    // whose label it is, else 0.
    std::int32_t OwnNumber(std::string_view label) const;

    // While every label is its own number (1, 2, 3 ... as SAP2000 numbers by
    // default) a label is found from its digits, and the hash of the labels
    // is built only when a label is not.
    bool ownNumbers_ = true;
    std::unordered_map<std::string_view, std::int32_t> numbers_;
    std::vector<std::string_view> labels_;
    mutable std::size_t next_ = 0; // the label after the last one found
};

// One row as a reader takes it: required and optional values by key, numbers
// through the project's parser, failures with table, line and key.
class RowReader {
public:
    RowReader(std::string_view table, const TableRow& row) : table_(table), row_(row) {}

    std::string_view Text(std::string_view key) const;          // required
    std::string_view TextOr(std::string_view key, std::string_view otherwise) const;
    std::string_view TextOfAny(std::initializer_list<std::string_view> keys) const; // the first present, required
    double Real(std::string_view key) const;                     // required
    double RealOr(std::string_view key, double otherwise) const;
    bool Yes(std::string_view key) const { return TextOr(key, "No") == "Yes"; }
    // The number of a label that must be in `index`; `what` names the kind
    // and `where` the table that lists them, for the message.
    std::int32_t Reference(std::string_view key, const LabelIndex& index, const char* what, const char* where) const;
    [[noreturn]] void Fail(const std::string& reason, std::string_view key = {}) const;
    std::size_t line() const { return row_.line(); }

private:
    std::string_view table_;
    const TableRow& row_;
};

// Whether a label or name can stand in a version-6 line as one field.
bool FitsS2kField(std::string_view text);

// Values as the version-6 text writes them: as many digits as they need to
// read back exactly.
void AppendValue(std::string& out, double value);

// A count and its noun for a note: "1 frame", "2 frames".
std::string Counted(std::size_t count, std::string_view noun);
// The same with the verb "has" or "have": "1 frame has", "2 frames have".
std::string CountedHave(std::size_t count, std::string_view noun);

// Names for a note: the first ten, then how many more.
struct NameList {
    void Add(std::string_view name);
    std::string Text() const; // "B1, B2 and 3 more"
    std::int32_t count = 0;
    std::string names;
};

// The state of one conversion.
struct Context {
    explicit Context(const TableText& tables) : text(tables) {}

    // Calls `read` for every row of the table, if the file has it.
    template <typename Read>
    void ForEachRow(std::string_view name, Read read) const
    {
        const TextTable* table = text.Find(name);
        if (table == nullptr)
            return;
        for (std::size_t k = 0; k < table->rowCount; ++k) {
            const TableRow row = text.Row(*table, k);
            read(RowReader(name, row));
        }
    }
    bool Has(std::string_view name) const { return text.Find(name) != nullptr; }

    // Appends the label of joint, frame or area `number` to `line`: the label
    // itself, or the number where the label cannot stand in a version-6 line.
    void AppendLabel(std::string& to, std::string_view label, std::int32_t number, const char* what);

    // A name of a material, section or load pattern as a version-6 line can
    // hold it: blanks, '=', ',' and '"' become '_' (with a note).
    std::string S2kName(std::string_view name, const char* what);

    // Appends a section: its keyword, its lines, a blank line.
    void Section(std::string_view keyword, const std::vector<std::string>& lines);

    const TableText& text;
    TableConversion out;
    std::string line; // the line being built, reused

    LabelIndex joints, frames, areas, materials, frameSections, areaSections, patterns;
    std::vector<std::array<double, 3>> coordinates; // per joint, 0-based
    std::vector<std::int32_t> frameJoints;          // 2 per frame: I, J
    std::vector<double> frameAngles;
    std::string length, force;          // the units CurrUnits names, upper case; empty when it does not
    std::int32_t solidMaterial = 0;     // the material of solids without a solid property
    std::deque<std::string> ownedLabels; // labels the conversion makes (diaphragm masters)
    std::int32_t labelsAsNumbers = 0;
    std::string firstLabelAsNumber; // "joint 'A 1' is joint 3"
};

// The readers and writers of each group of tables, in the order they run.
void ConvertUnits(Context& c);
void ConvertJoints(Context& c);       // JOINT, CONSTRAINT, RESTRAINT, MASS
void ConvertProperties(Context& c);   // MATERIAL, FRAME SECTION, SHELL SECTION
void ConvertElements(Context& c);     // FRAME, SHELL, SOLID
void ConvertLoads(Context& c);        // LOAD

} // namespace mirelo::table
