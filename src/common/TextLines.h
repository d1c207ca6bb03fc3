#pragma once

#include "common/LineStarts.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace mirelo {

// A text file as a list of lines. Line ends (CR LF, LF or a lone CR) are not
// part of the lines; every other byte is kept as it is. The lines share one
// buffer, so a file of a million lines costs little more than its own size.
class TextLines {
public:
    TextLines() = default;

    // Splits `text`; a final line end does not start an empty line.
    static TextLines FromText(std::string text);
    static TextLines FromLines(const std::vector<std::string>& lines);

    std::size_t size() const { return starts_.empty() ? 0 : starts_.size() - 1; }
    bool empty() const { return size() == 0; }
    std::string_view operator[](std::size_t index) const
    {
        return std::string_view(buffer_).substr(starts_[index], starts_[index + 1] - starts_[index]);
    }

    void Append(std::string_view line);

    // Makes room for `lines` more lines of `bytes` bytes in all, so that a
    // writer of a large text does not copy it over and over while it grows.
    void Reserve(std::size_t bytes, std::size_t lines);
    void Clear();

    // Every line followed by `lineEnd`.
    std::string Join(std::string_view lineEnd) const;

private:
    std::string buffer_;                // the lines, end to end, without line ends
    LineStarts starts_;   // line i is buffer_[starts_[i], starts_[i + 1])
};

// Blanks and control characters: every byte up to and including the blank.
inline bool IsControlOrBlank(char c)
{
    return static_cast<unsigned char>(c) <= ' ';
}

// `text` without blanks and control characters at either end.
std::string_view TrimControlAndBlanks(std::string_view text);

// Loads a whole file as lines. Raises FileError ("Cannot open file ...") when it
// cannot be read.
TextLines LoadTextLines(const std::string& path);

// Writes every line followed by CR LF, bytes as they are. Raises FileError.
void SaveTextLines(const std::string& path, const TextLines& lines);

// Reads or writes a whole file as bytes. Raise FileError.
std::string ReadWholeFile(const std::string& path);
void WriteWholeFile(const std::string& path, std::string_view bytes);

// Writes the bytes into a new file beside `path`, which then takes its place:
// a failed save leaves the file that was there whole. Raises FileError.
void ReplaceWholeFile(const std::string& path, std::string_view bytes);

} // namespace mirelo
