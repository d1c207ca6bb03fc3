#pragma once

#include "common/TextLines.h"
#include "model/Model.h"

#include <string>
#include <vector>

namespace mirelo {

// A model read from a SAP2000 text file of either kind: the version-6 lines
// it was imported from (converted ones for a table export), the model, and
// what the user should be told (tables not taken, a file that may be cut off).
struct ModelImport {
    TextLines lines;
    Model model;
    std::vector<std::string> notes;
};

// Imports a version-6 s2k text, or a table export (recognised by its TABLE:
// headings) converted to version-6 text first. `source` names the text in
// the refusal of a text of neither kind. Raises ImportError, TableError or
// NotS2kTextError; nothing is half done.
ModelImport ImportModelText(const TextLines& lines, const std::string& source = "the text");

// Loads and imports a file of either kind; every failure names the file.
ModelImport ImportModelFile(const std::string& path);

} // namespace mirelo
