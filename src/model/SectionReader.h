#pragma once

#include "common/NumberText.h"
#include "common/TextLines.h"
#include "model/Model.h"
#include "model/S2kTokenizer.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace mirelo {

// Where the import is: the section being read and the line being split. The
// import driver adds it to any error the readers raise.
struct ImportLocation {
    std::string_view section;
    std::size_t line = 0;   // 0-based index into the s2k lines
    std::string_view field; // the key of the value being converted on that line, if any
};

// The section keywords the import reads, in the order it reads them.
const std::vector<std::string_view>& ImportKeywords();

// The s2k text with the sections of every import keyword located in one pass.
class S2kText {
public:
    explicit S2kText(const TextLines& lines);
    const TextLines& lines() const { return lines_; }
    // `keyword` must be one of the import keywords.
    S2kSection Section(std::string_view keyword) const;
    // Whether the text holds at least one import keyword line.
    bool HasAnySection() const;

private:
    const TextLines& lines_;
    std::vector<S2kSection> sections_;
};

// One section of the s2k text as a reader walks it: locating the section,
// splitting its data lines, converting fields and checking references, all
// while keeping the import location current.
class SectionReader {
public:
    SectionReader(const S2kText& text, std::string_view keyword, ImportLocation& where);

    // end - start - 1 as a table size: -1 for an absent section; a section that
    // never ends raises RangeCheckError.
    std::int32_t DataLineCount() const;
    std::int32_t DataLineCountOrZero() const { return DataLineCount() > 0 ? DataLineCount() : 0; }

    // Splits data line k (1-based) and makes it the current line.
    const FieldList& Split(std::int32_t k);
    // Makes data line k the current line again, for a message about it.
    void ReturnTo(std::int32_t k);
    // Splits the line after data line k: for the last data line, the blank
    // line that closes the section.
    const FieldList& SplitNext(std::int32_t k);

    const FieldList& fields() const { return fields_; }
    // The number in a field; `key` is the s2k key the value belongs to
    // ("NSEG"), named in the message when the text does not convert.
    std::int32_t Integer(std::size_t field, std::string_view key) const
    {
        where_.field = key;
        return ParseInteger(fields_[field]);
    }
    double Real(std::size_t field, std::string_view key) const
    {
        where_.field = key;
        return ParseReal(fields_[field]);
    }

    // Refuses the text of a field as the conversion of a number does: "'X'
    // `reason` (... field KEY)".
    [[noreturn]] void RefuseText(std::size_t field, std::string_view key, const std::string& reason) const;

    // An integer field that must name a record of `table`; `what` names the
    // kind of record in the message ("joint", "frame").
    template <typename Record>
    std::int32_t Reference(std::size_t field, std::string_view key, const Table<Record>& table, const char* what) const
    {
        const std::int32_t index = Integer(field, key);
        if (!table.Contains(index))
            ThrowBadReference(what, index, table.Size());
        return index;
    }
    [[noreturn]] static void ThrowBadReference(const char* what, std::int32_t index, std::int32_t count);

private:
    const TextLines& lines_;
    S2kSection section_;
    ImportLocation& where_;
    FieldList fields_;
};

// Looks records up by exact, case-sensitive name; with several records of the
// same name the last one wins, and an unknown name gives 0.
class NameIndex {
public:
    template <typename Record>
    explicit NameIndex(const Table<Record>& table)
    {
        for (std::int32_t i = 1; i <= table.count; ++i)
            index_[table[i].name] = i;
    }
    std::int32_t Find(std::string_view name) const
    {
        const auto it = index_.find(name);
        return it == index_.end() ? 0 : it->second;
    }

private:
    std::unordered_map<std::string_view, std::int32_t> index_;
};

// Keeps the labels of a section's lines (field 0) as names, from the first
// label that is not its line's number on; while every label is its number
// nothing is stored.
class LabelNames {
public:
    // `names` is emptied; `count` is the number of lines to come.
    LabelNames(std::vector<std::string>& names, std::int32_t count);
    void Keep(std::int32_t k, std::string_view label);

private:
    std::vector<std::string>& names_;
    std::int32_t count_;
};

void ReadJoints(const S2kText& text, Model& model, ImportLocation& where);
void ReadConstraints(const S2kText& text, Model& model, ImportLocation& where);
void ReadRestraints(const S2kText& text, Model& model, ImportLocation& where);
void ReadMasses(const S2kText& text, Model& model, ImportLocation& where);
void ReadMaterials(const S2kText& text, Model& model, ImportLocation& where);
void ReadFrameSections(const S2kText& text, Model& model, ImportLocation& where);
void ReadShellSections(const S2kText& text, Model& model, ImportLocation& where);
void ReadFrames(const S2kText& text, Model& model, ImportLocation& where);
void ReadShells(const S2kText& text, Model& model, ImportLocation& where);
void ReadSolids(const S2kText& text, Model& model, ImportLocation& where);
void ReadLoads(const S2kText& text, Model& model, ImportLocation& where);

} // namespace mirelo
