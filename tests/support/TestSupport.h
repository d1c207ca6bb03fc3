#pragma once

#include "common/Errors.h"
#include "common/TextLines.h"
#include "model/ImportS2k.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <vector>
#include <string>
#include <string_view>

namespace mirelo::test {

// Lines written with visible blanks: a middle dot stands for a blank,
// so "··1··X=0" is the line "  1  X=0".
std::string Dots(std::string_view text);
TextLines DottedLines(const std::vector<std::string_view>& lines);

// Imports dotted lines; the test fails with the message if the import does.
Model ImportDotted(const std::vector<std::string_view>& lines);

// The message of the ImportError the dotted lines raise ("" if none).
std::string ImportFailure(const std::vector<std::string_view>& lines);

// The folder of the source tree and its example models.
std::filesystem::path SourceDir();
std::filesystem::path ExamplePath(const std::string& name);

// The numbers of a text (a line of a recorder file), read with the standard
// streams, independently of the program's readers.
std::vector<double> NumbersIn(const std::string& text);

// The message of the Error that `run` raises ("no error" when none).
std::string FailureOf(const std::function<void()>& run);

// A fresh temporary folder, removed with the object.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    std::filesystem::path path() const { return path_; }
    std::string File(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

} // namespace mirelo::test
