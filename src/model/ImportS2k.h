#pragma once

#include "common/Errors.h"
#include "common/TextLines.h"
#include "model/Model.h"

#include <cstddef>
#include <string>

namespace mirelo {

// An import failure: the reader's message and where it happened. A
// number that does not convert also names its key: "(FRAME section, line 12,
// field NSEG)".
class ImportError : public Error {
public:
    // `file`, when given, leads the message: "model.s2k: ...".
    ImportError(const std::string& reason, std::string section, std::size_t lineNumber, std::string field = {},
                const std::string& file = {});
    const std::string& reason() const { return reason_; }   // e.g. "Range check error"
    const std::string& section() const { return section_; } // e.g. "JOINT"
    std::size_t lineNumber() const { return lineNumber_; }  // 1-based line of the file
    const std::string& field() const { return field_; }     // e.g. "NSEG"; empty when no number was at fault

private:
    std::string reason_;
    std::string section_;
    std::size_t lineNumber_;
    std::string field_;
};

// A text without a single section keyword of the import and without a table
// heading: an empty, binary or unrelated file. Refused, so that opening it cannot replace a model by an
// empty one.
class NotS2kTextError : public Error {
public:
    // `source` names the text: the file's path, or "the text".
    explicit NotS2kTextError(const std::string& source);
};

// Reads every section of the s2k text into a new model, in the order JOINT,
// CONSTRAINT, RESTRAINT, MASS, MATERIAL, FRAME SECTION, SHELL SECTION, FRAME,
// SHELL, SOLID, LOAD, then ties the joints of zero-length springs. Every joint,
// frame and constraint number the file uses is checked against its table.
// Raises ImportError, or NotS2kTextError naming `source` when the text has none
// of those section keywords; the caller's model is never touched.
Model ImportS2k(const TextLines& s2kLines, const std::string& source = "the text");

// Ties the two joints of every rotational-spring frame: the joint at the
// unreleased end is placed at the released end's joint.
void LinkSpringJoints(Model& model);

// Loads and imports an s2k file. The lines are returned with the model so a
// caller can keep both, and replace what it had only when all went well.
// Every failure names the file: an ImportError's message is given the path in
// front ("model.s2k: 'x' is not a valid ... (JOINT section, line 3, field X)").
struct S2kImport {
    TextLines lines;
    Model model;
};
S2kImport ImportS2kFile(const std::string& path);

} // namespace mirelo
