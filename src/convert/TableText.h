#pragma once

#include "common/TextLines.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mirelo {

// Whether the text is a SAP2000 table export: some line starts with "TABLE:".
bool IsTableText(const TextLines& lines);

// One Key=Value item of a table row. Both are views into the text's lines;
// a quoted value is given without its quotes.
struct TableItem {
    std::string_view key;
    std::string_view value;
};

// One row of a table: its items, possibly gathered from several lines (a line
// that ends in " _" goes on in the next one).
class TableRow {
public:
    TableRow(const TableItem* items, std::size_t count, std::size_t line) : items_(items), count_(count), line_(line) {}

    // The value of the first item with that key (case-sensitive), if any.
    std::optional<std::string_view> Find(std::string_view key) const;
    // The value of the first of the keys the row has, if any.
    std::optional<std::string_view> FindAny(std::initializer_list<std::string_view> keys) const;
    std::size_t line() const { return line_; } // 1-based line of the file where the row starts
    const TableItem* begin() const { return items_; }
    const TableItem* end() const { return items_ + count_; }

private:
    const TableItem* items_;
    std::size_t count_;
    std::size_t line_;
};

// One table of the text: its name as the heading gives it, the heading's line
// and its rows in order.
struct TextTable {
    std::string_view name;
    std::size_t headingLine = 0; // 1-based
    std::size_t firstRow = 0;    // index into the owning TableText's rows
    std::size_t rowCount = 0;
};

// The tables of a SAP2000 table export, their rows located. A heading is
// TABLE: with one or more blanks and the table's name in double quotes; rows
// follow, indented or not, up to the next heading, the line END TABLE DATA or
// the end of the text. Blank lines are skipped; lines before the first heading
// are not read. Tables not in `wanted` (when it is not empty) are listed in
// skippedTables() but their rows are not located. A row is split into its
// items when it is asked for, so a text of a million rows is never held as
// items all at once. Raises TableError for a table with rows given twice, and
// Row() for an item without "=" or a quoted value without its closing quote.
// The text's lines must outlive it.
class TableText {
public:
    explicit TableText(const TextLines& lines, const std::vector<std::string_view>& wanted = {});
    TableText(TextLines&& lines, const std::vector<std::string_view>& wanted = {}) = delete; // rows view the lines

    const std::vector<TextTable>& tables() const { return tables_; }
    // The table of that name, or nullptr.
    const TextTable* Find(std::string_view name) const;
    // Row k (0 .. rowCount - 1) of the table, valid until the next call.
    TableRow Row(const TextTable& table, std::size_t k) const;
    // Names of the tables whose rows were not read, in file order, each once.
    const std::vector<std::string_view>& skippedTables() const { return skipped_; }
    // Whether the text ends with the line END TABLE DATA (after which only blank
    // lines may follow); a text without it may be cut off.
    bool hasEnd() const { return hasEnd_; }
    // The last table heading the text has, or empty.
    std::string_view lastTable() const { return tables_.empty() ? std::string_view() : tables_.back().name; }

private:
    struct RowSpan {
        std::size_t firstLine; // 0-based
        std::size_t lineCount; // more than one when lines end in " _"
    };
    const TextLines& lines_;
    std::vector<TextTable> tables_;
    std::vector<RowSpan> rows_;
    mutable std::vector<TableItem> items_; // the items of the row last asked for
    std::vector<std::string_view> skipped_;
    bool hasEnd_ = false;
};

} // namespace mirelo
