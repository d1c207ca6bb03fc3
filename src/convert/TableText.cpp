#include "convert/TableText.h"

#include "convert/TableConverter.h"

#include <algorithm>

namespace mirelo {

namespace {

constexpr std::string_view kHeading = "TABLE:";
constexpr std::string_view kEndLine = "END TABLE DATA";

// The name of a heading line TABLE:  "NAME": the text between the quotes, or,
// without quotes, the rest of the line.
std::string_view HeadingName(std::string_view line, std::size_t lineNumber)
{
    std::string_view rest = TrimControlAndBlanks(line.substr(kHeading.size()));
    if (!rest.starts_with('"'))
        return rest;
    const std::size_t close = rest.find('"', 1);
    if (close == std::string_view::npos)
        throw TableError("the table name has no closing quote", std::string(rest), lineNumber);
    return rest.substr(1, close - 1);
}

// Splits one row line into Key=Value items appended to `items`; a last item
// "_" says that the row goes on in the next line and is no item.
void SplitRowLine(std::string_view line, std::vector<TableItem>& items, std::string_view table,
                  std::size_t lineNumber)
{
    std::size_t p = 0;
    const std::size_t n = line.size();
    while (true) {
        while (p < n && IsControlOrBlank(line[p]))
            ++p;
        if (p == n)
            return;
        const std::size_t keyStart = p;
        while (p < n && line[p] != '=' && !IsControlOrBlank(line[p]))
            ++p;
        const std::string_view key = line.substr(keyStart, p - keyStart);
        if (p == n || line[p] != '=') {
            while (p < n && IsControlOrBlank(line[p]))
                ++p;
            if (key == "_" && p == n)
                return;
            throw TableError("'" + std::string(key) + "' is not a Key=Value item", std::string(table), lineNumber);
        }
        ++p; // the '='
        std::string_view value;
        if (p < n && line[p] == '"') {
            const std::size_t close = line.find('"', p + 1);
            if (close == std::string_view::npos)
                throw TableError("the value of " + std::string(key) + " has no closing quote", std::string(table),
                                 lineNumber, std::string(key));
            value = line.substr(p + 1, close - p - 1);
            p = close + 1;
        } else {
            const std::size_t valueStart = p;
            while (p < n && !IsControlOrBlank(line[p]))
                ++p;
            value = line.substr(valueStart, p - valueStart);
        }
        items.push_back({key, value});
    }
}

// Whether a row line goes on in the next one: its last item is "_".
bool GoesOn(std::string_view line)
{
    return line.ends_with('_') && (line.size() == 1 || IsControlOrBlank(line[line.size() - 2]));
}

} // namespace

bool IsTableText(const TextLines& lines)
{
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (lines[i].starts_with(kHeading))
            return true;
    return false;
}

std::optional<std::string_view> TableRow::Find(std::string_view key) const
{
    for (const TableItem& item : *this)
        if (item.key == key)
            return item.value;
    return std::nullopt;
}

std::optional<std::string_view> TableRow::FindAny(std::initializer_list<std::string_view> keys) const
{
    for (const std::string_view key : keys)
        if (const auto value = Find(key))
            return value;
    return std::nullopt;
}

TableText::TableText(const TextLines& lines, const std::vector<std::string_view>& wanted) : lines_(lines)
{
    rows_.reserve(lines.size());
    bool reading = false;    // the current table's rows are wanted
    bool continuing = false; // the last row line ended in " _"
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view line = TrimControlAndBlanks(lines[i]);
        if (line.empty()) {
            continuing = false;
            continue;
        }
        if (line.starts_with(kHeading)) {
            TextTable table;
            table.name = HeadingName(line, i + 1);
            if (const TextTable* first = Find(table.name); first != nullptr && first->rowCount > 0)
                throw TableError("the table is given twice (first on line " + std::to_string(first->headingLine) + ")",
                                 std::string(table.name), i + 1);
            table.headingLine = i + 1;
            table.firstRow = rows_.size();
            tables_.push_back(table);
            reading = wanted.empty() || std::find(wanted.begin(), wanted.end(), table.name) != wanted.end();
            if (!reading && std::find(skipped_.begin(), skipped_.end(), table.name) == skipped_.end())
                skipped_.push_back(table.name);
            continuing = false;
            continue;
        }
        if (line == kEndLine) {
            hasEnd_ = true;
            break;
        }
        if (!reading)
            continue; // lines before the first heading, or rows of a table not read
        if (continuing) {
            ++rows_.back().lineCount;
        } else {
            rows_.push_back({i, 1});
            ++tables_.back().rowCount;
        }
        continuing = GoesOn(line);
    }
}

const TextTable* TableText::Find(std::string_view name) const
{
    for (const TextTable& table : tables_)
        if (table.name == name)
            return &table;
    return nullptr;
}

TableRow TableText::Row(const TextTable& table, std::size_t k) const
{
    const RowSpan& row = rows_[table.firstRow + k];
    items_.clear();
    for (std::size_t i = row.firstLine; i < row.firstLine + row.lineCount; ++i)
        SplitRowLine(TrimControlAndBlanks(lines_[i]), items_, table.name, i + 1);
    return TableRow(items_.data(), items_.size(), row.firstLine + 1);
}

} // namespace mirelo
