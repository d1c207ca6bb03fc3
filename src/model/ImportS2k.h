#pragma once

#include "common/Errors.h"
#include "common/TextLines.h"
#include "model/Model.h"

#include <cstddef>
#include <string>

namespace mirelo {

// An import failure: the system's own message and where it happened.
class ImportError : public Error {
public:
    ImportError(const std::string& reason, std::string section, std::size_t lineNumber);
    const std::string& reason() const { return reason_; }   // e.g. "Range check error"
    const std::string& section() const { return section_; } // e.g. "JOINT"
    std::size_t lineNumber() const { return lineNumber_; }  // 1-based line of the file

private:
    std::string reason_;
    std::string section_;
    std::size_t lineNumber_;
};

// Reads every section of the s2k text into a new model, in the order JOINT,
// CONSTRAINT, RESTRAINT, MASS, MATERIAL, FRAME SECTION, SHELL SECTION, FRAME,
// SHELL, SOLID, LOAD, then ties the joints of zero-length springs. Every joint,
// frame and constraint number the file uses is checked against its table.
// Raises ImportError; the caller's model is never touched.
Model ImportS2k(const TextLines& s2kLines);

// Ties the two joints of every rotational-spring frame: the joint at the
// unreleased end is placed at the released end's joint.
void LinkSpringJoints(Model& model);

// Loads and imports an s2k file. The lines are returned with the model so a
// caller can keep both, and replace what it had only when all went well.
struct S2kImport {
    TextLines lines;
    Model model;
};
S2kImport ImportS2kFile(const std::string& path);

} // namespace mirelo
