#include "convert/ModelFile.h"

#include "convert/TableConverter.h"
#include "convert/TableText.h"
#include "model/ImportS2k.h"
#include "model/SectionReader.h"

#include <algorithm>

namespace mirelo {

namespace {

// A version-6 text closes with the line END. Without it the file may have been
// cut off, even inside a section whose last line is only blanks (a load case
// lost without a word); the note names the last section the text has.
std::vector<std::string> MissingEndNotes(const TextLines& lines)
{
    std::size_t last = lines.size();
    while (last > 0 && TrimControlAndBlanks(lines[last - 1]).empty())
        --last;
    if (last > 0 && TrimControlAndBlanks(lines[last - 1]) == "END")
        return {};
    const auto& keywords = ImportKeywords();
    std::string_view section;
    for (std::size_t i = last; i > 0 && section.empty(); --i)
        if (std::find(keywords.begin(), keywords.end(), lines[i - 1]) != keywords.end())
            section = lines[i - 1];
    return {"The file ends without its END line after the " + std::string(section)
            + " section: it may be cut off, and what follows is missing"};
}

ModelImport Import(TextLines lines, const std::string& source)
{
    ModelImport result;
    if (IsTableText(lines)) {
        TableConversion conversion = ConvertTableText(lines);
        result.lines = std::move(conversion.lines);
        result.notes = std::move(conversion.notes);
        try {
            result.model = ImportS2k(result.lines, source);
        } catch (const ImportError& e) {
            // Its line is one of the converted text, which `convert` shows.
            throw ImportError(e.reason() + " in the version-6 text converted from the tables", e.section(),
                              e.lineNumber(), e.field());
        }
    } else {
        result.model = ImportS2k(lines, source);
        result.notes = MissingEndNotes(lines);
        result.lines = std::move(lines);
    }
    return result;
}

} // namespace

ModelImport ImportModelText(const TextLines& lines, const std::string& source)
{
    return Import(lines, source);
}

ModelImport ImportModelFile(const std::string& path)
{
    TextLines lines = LoadTextLines(path);
    try {
        return Import(std::move(lines), path);
    } catch (const ImportError& e) {
        throw ImportError(e.reason(), e.section(), e.lineNumber(), e.field(), path);
    } catch (const TableError& e) {
        throw TableError(e.reason(), e.table(), e.lineNumber(), e.key(), path);
    }
}

} // namespace mirelo
