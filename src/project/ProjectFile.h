#pragma once

#include "common/Errors.h"
#include "project/Project.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace mirelo {

// A project text that cannot be read: the file, then the line (for text that
// is not JSON) or the key ("sections[1].divideX") at fault.
class ProjectError : public Error {
public:
    ProjectError(const std::string& file, std::size_t line, const std::string& key, const std::string& reason);
    std::size_t line() const { return line_; }     // 0 when a key is named
    const std::string& key() const { return key_; } // empty when a line is named

private:
    std::size_t line_;
    std::string key_;
};

// The project as JSON text, two-space indented, one setting a line, numbers
// that read back as the same double. Names and paths that are not UTF-8 are
// written as {"hex": "..."} of their bytes. Raises Error for a setting that
// is not a finite number.
std::string ProjectText(const Project& project);

// Reads a project text into a new value; `source` names it in messages.
// Raises ProjectError for text that is not JSON, a foreign or newer format,
// an unknown key, a value of the wrong kind or outside its setting's range.
Project ReadProjectText(std::string_view text, const std::string& source);

// The same for a file; raises FileError when it cannot be read.
Project ReadProjectFile(const std::string& path);

// Saves atomically: a failed save leaves the old file whole and raises
// FileError saying why.
void SaveProjectFile(const std::string& path, const Project& project);

} // namespace mirelo
