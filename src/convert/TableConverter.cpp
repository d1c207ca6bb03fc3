#include "convert/TableConverter.h"

#include "common/NumberText.h"
#include "convert/TableConversionContext.h"
#include "model/ElementKinds.h"

#include <algorithm>

namespace mirelo {

namespace {

std::string DescribeFailure(const std::string& reason, const std::string& table, std::size_t lineNumber,
                            const std::string& key)
{
    if (lineNumber == 0)
        return reason;
    return reason + " (" + table + " table, line " + std::to_string(lineNumber) + (key.empty() ? "" : ", key " + key)
           + ")";
}

// The tables the conversion reads.
const std::vector<std::string_view>& ReadTables()
{
    static const std::vector<std::string_view> tables = {
        "PROGRAM CONTROL",
        "JOINT COORDINATES",
        "JOINT RESTRAINT ASSIGNMENTS",
        "CONSTRAINT DEFINITIONS - DIAPHRAGM",
        "JOINT CONSTRAINT ASSIGNMENTS",
        "JOINT ADDED MASS ASSIGNMENTS",
        "MATERIAL PROPERTIES 01 - GENERAL",
        "MATERIAL PROPERTIES 02 - BASIC MECHANICAL PROPERTIES",
        "MATERIAL PROPERTIES 03A - STEEL DATA",
        "MATERIAL PROPERTIES 03B - CONCRETE DATA",
        "FRAME SECTION PROPERTIES 01 - GENERAL",
        "CONNECTIVITY - FRAME",
        "FRAME SECTION ASSIGNMENTS",
        "FRAME LOCAL AXES ASSIGNMENTS 1 - TYPICAL",
        "FRAME RELEASE ASSIGNMENTS 1 - GENERAL",
        "AREA SECTION PROPERTIES",
        "CONNECTIVITY - AREA",
        "AREA SECTION ASSIGNMENTS",
        "CONNECTIVITY - SOLID",
        "SOLID PROPERTY DEFINITIONS",
        "SOLID PROPERTY ASSIGNMENTS",
        "LOAD PATTERN DEFINITIONS",
        "LOAD CASE DEFINITIONS",
        "JOINT LOADS - FORCE",
        "FRAME LOADS - DISTRIBUTED",
    };
    return tables;
}

} // namespace

TableError::TableError(const std::string& reason, std::string table, std::size_t lineNumber, std::string key,
                       const std::string& file)
    : Error((file.empty() ? "" : file + ": ") + DescribeFailure(reason, table, lineNumber, key)),
      reason_(reason),
      table_(std::move(table)),
      lineNumber_(lineNumber),
      key_(std::move(key))
{
}

namespace table {

std::int32_t LabelIndex::OwnNumber(std::string_view label) const
{
    std::size_t k = 0;
    if (label.empty() || label.size() > 9 || label.front() == '0')
        return 0;
    for (const char c : label) {
        if (c < '0' || c > '9')
            return 0;
        k = k * 10 + static_cast<std::size_t>(c - '0');
    }
    return k <= labels_.size() && labels_[k - 1] == label ? static_cast<std::int32_t>(k) : 0;
}

std::string Counted(std::size_t count, std::string_view noun)
{
    return std::to_string(count) + " " + std::string(noun) + (count == 1 ? "" : "s");
}

std::string CountedHave(std::size_t count, std::string_view noun)
{
    return Counted(count, noun) + (count == 1 ? " has" : " have");
}

bool LabelIndex::Add(std::string_view label)
{
    if (ownNumbers_) {
        labels_.push_back(label);
        if (OwnNumber(label) == size())
            return true; // a label that is its own number is none of the numbers before it
        labels_.pop_back();
        ownNumbers_ = false;
        numbers_.reserve(labels_.capacity());
        for (std::size_t k = 0; k < labels_.size(); ++k)
            numbers_.emplace(labels_[k], static_cast<std::int32_t>(k + 1));
    }
    const auto [at, added] = numbers_.emplace(label, size() + 1);
    if (added)
        labels_.push_back(label);
    return added;
}

std::int32_t LabelIndex::Find(std::string_view label) const
{
    if (next_ < labels_.size() && labels_[next_] == label)
        return static_cast<std::int32_t>(++next_);
    std::int32_t number = OwnNumber(label);
    if (number == 0 && !ownNumbers_) {
        const auto found = numbers_.find(label);
        number = found == numbers_.end() ? 0 : found->second;
    }
    if (number != 0)
        next_ = static_cast<std::size_t>(number);
    return number;
}

void LabelIndex::Reserve(std::size_t count)
{
    labels_.reserve(count);
}

void RowReader::Fail(const std::string& reason, std::string_view key) const
{
    throw TableError(reason, std::string(table_), row_.line(), std::string(key));
}

std::string_view RowReader::Text(std::string_view key) const
{
    const auto value = row_.Find(key);
    if (!value)
        Fail("the row has no " + std::string(key));
    return *value;
}

std::string_view RowReader::TextOr(std::string_view key, std::string_view otherwise) const
{
    return row_.Find(key).value_or(otherwise);
}

std::string_view RowReader::TextOfAny(std::initializer_list<std::string_view> keys) const
{
    if (const auto value = row_.FindAny(keys))
        return *value;
    std::string names;
    for (const std::string_view key : keys)
        names += (names.empty() ? "" : " or ") + std::string(key);
    Fail("the row has no " + names);
}

double RowReader::Real(std::string_view key) const
{
    const std::string_view text = Text(key);
    try {
        return ParseReal(text);
    } catch (const ConversionError& e) {
        Fail(e.what(), key);
    }
}

double RowReader::RealOr(std::string_view key, double otherwise) const
{
    return row_.Find(key) ? Real(key) : otherwise;
}

std::int32_t RowReader::Reference(std::string_view key, const LabelIndex& index, const char* what,
                                  const char* where) const
{
    const std::string_view label = Text(key);
    const std::int32_t k = index.Find(label);
    if (k == 0)
        Fail(std::string(what) + " " + std::string(label) + " is not in the " + where + " table", key);
    return k;
}

void NameList::Add(std::string_view name)
{
    if (++count <= 10)
        names += (names.empty() ? "" : ", ") + std::string(name);
}

std::string NameList::Text() const
{
    return count <= 10 ? names : names + " and " + std::to_string(count - 10) + " more";
}

bool FitsS2kField(std::string_view text)
{
    return !text.empty() && std::none_of(text.begin(), text.end(), [](char ch) {
        return IsControlOrBlank(ch) || ch == '=' || ch == ',' || ch == '"';
    });
}

void AppendValue(std::string& out, double value)
{
    out += FormatScientificRoundTrip(value, 4);
}

void Context::AppendLabel(std::string& to, std::string_view label, std::int32_t number, const char* what)
{
    if (FitsS2kField(label)) {
        to += label;
        return;
    }
    to += std::to_string(number);
    if (labelsAsNumbers++ == 0)
        firstLabelAsNumber = std::string(what) + " '" + std::string(label) + "' is " + what + " " + std::to_string(number);
}

std::string Context::S2kName(std::string_view name, const char* what)
{
    std::string written(name);
    if (FitsS2kField(name))
        return written;
    for (char& ch : written)
        if (IsControlOrBlank(ch) || ch == '=' || ch == ',' || ch == '"')
            ch = '_';
    if (written.empty())
        written = "_";
    out.notes.push_back(std::string(what) + " '" + std::string(name) + "' is written as " + written);
    return written;
}

void Context::Section(std::string_view keyword, const std::vector<std::string>& lines)
{
    out.lines.Append(keyword);
    for (const std::string& l : lines)
        out.lines.Append(l);
    out.lines.Append("");
}

} // namespace table

TableConversion ConvertTableText(const TextLines& tableLines)
{
    const TableText tables(tableLines, ReadTables());
    table::Context c(tables);
    if (!c.Has("JOINT COORDINATES"))
        throw TableError("the file has no table TABLE:  \"JOINT COORDINATES\"", "", 0);
    table::ConvertUnits(c);
    table::ConvertJoints(c);
    table::ConvertProperties(c);
    table::ConvertElements(c);
    table::ConvertLoads(c);
    c.out.lines.Append("END");

    std::vector<std::string> notes = {
        "Read from the table text: " + table::Counted(c.joints.size(), "joint") + ", "
            + table::Counted(c.frames.size(), "frame") + ", " + table::Counted(c.areas.size(), "area") + ", "
            + table::Counted(c.materials.size(), "material") + ", "
            + table::Counted(c.frameSections.size(), "frame section") + ", "
            + table::Counted(c.patterns.size(), "load pattern"),
    };
    if (c.frameSections.size() > 0)
        notes.push_back("Frame sections start as Elastic BeamColumn (KIND=E); set their element kind in the Frame "
                        "Section window or with --section NAME:elementKind=1.."
                        + std::to_string(kElementKindItems.size()));
    if (!tables.skippedTables().empty()) {
        std::string skipped = "Tables not read:";
        for (std::size_t k = 0; k < tables.skippedTables().size(); ++k)
            skipped += (k == 0 ? " " : ", ") + std::string(tables.skippedTables()[k]);
        notes.push_back(skipped);
    }
    if (c.labelsAsNumbers > 0)
        notes.push_back(std::to_string(c.labelsAsNumbers) + " labels hold blanks, '=', ',' or '\"', which a version-6 "
                        "line cannot hold, and are written as their numbers (" + c.firstLabelAsNumber + ")");
    notes.insert(notes.end(), c.out.notes.begin(), c.out.notes.end());
    if (!tables.hasEnd())
        notes.push_back("The file ends without END TABLE DATA after the " + std::string(tables.lastTable())
                        + " table: it may be cut off, and what follows is missing");
    c.out.notes = std::move(notes);
    return std::move(c.out);
}

} // namespace mirelo
