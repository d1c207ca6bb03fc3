#include "common/TextLines.h"

#include "common/Errors.h"
#include "common/LargeMemory.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace mirelo {

TextLines TextLines::FromText(std::string text)
{
    // Compacts the text in place: line ends are dropped and every line start
    // recorded, so no second copy of a large file is ever made.
    TextLines lines;
    const std::size_t n = text.size();
    char* const data = text.data();
    // One start per LF and one for the first line: exact for LF and CR LF
    // files, so the table is never copied while it grows.
    lines.starts_.reserve(static_cast<std::size_t>(std::count(data, data + n, '\n')) + 2);
    lines.starts_.push_back(0);
    std::size_t write = 0;
    std::size_t read = 0;
    const auto nextLf = [&](std::size_t from) {
        const void* lf = std::memchr(data + from, '\n', n - from);
        return lf ? static_cast<std::size_t>(static_cast<const char*>(lf) - data) : n;
    };
    // The next LF at or after `read`, or n; kept between lines so that a file
    // of CR line ends is still read in linear time.
    std::size_t lineEnd = nextLf(0);
    while (read < n) {
        if (lineEnd < read)
            lineEnd = nextLf(read);
        // A lone CR also ends a line; look for one before the LF.
        const void* cr = std::memchr(data + read, '\r', lineEnd - read);
        const std::size_t end = cr ? static_cast<std::size_t>(static_cast<const char*>(cr) - data) : lineEnd;
        if (write != read)
            std::memmove(data + write, data + read, end - read);
        write += end - read;
        if (end == n)
            break;
        lines.starts_.push_back(write);
        read = end + 1;
        if (data[end] == '\r' && read < n && data[read] == '\n')
            ++read;
    }
    if (write != lines.starts_.back())
        lines.starts_.push_back(write); // the last line had no line end
    text.resize(write);
    // Giving back the few dropped line-end bytes would copy the whole text.
    if (text.capacity() - write > write / 8)
        text.shrink_to_fit();
    lines.buffer_ = std::move(text);
    if (lines.starts_.size() == 1)
        lines.starts_.clear();
    if (lines.starts_.capacity() - lines.starts_.size() > lines.starts_.size() / 8)
        lines.starts_.shrink_to_fit(); // only a file of lone CRs outgrows the LF count
    return lines;
}

TextLines TextLines::FromLines(const std::vector<std::string>& lines)
{
    TextLines result;
    for (const std::string& line : lines)
        result.Append(line);
    return result;
}

void TextLines::Append(std::string_view line)
{
    if (starts_.empty())
        starts_.push_back(0);
    buffer_.append(line);
    starts_.push_back(buffer_.size());
}

void TextLines::Reserve(std::size_t bytes, std::size_t lines)
{
    buffer_.reserve(buffer_.size() + bytes);
    starts_.reserve(starts_.size() + lines + 1);
}

void TextLines::Clear()
{
    buffer_.clear();
    starts_.clear();
}

std::string TextLines::Join(std::string_view lineEnd) const
{
    std::string out;
    out.reserve(buffer_.size() + size() * lineEnd.size());
    for (std::size_t i = 0; i < size(); ++i) {
        out.append((*this)[i]);
        out.append(lineEnd);
    }
    return out;
}

namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

std::string SystemReason()
{
    return std::strerror(errno);
}

} // namespace

std::string ReadWholeFile(const std::string& path)
{
    FilePtr file(std::fopen(path.c_str(), "rb"));
    if (!file)
        throw FileError::CannotOpen(path, SystemReason());
    struct stat status {};
    if (::fstat(::fileno(file.get()), &status) != 0)
        throw FileError::CannotOpen(path, SystemReason());
    if (S_ISDIR(status.st_mode))
        throw FileError::CannotOpen(path, std::strerror(EISDIR));
    std::string bytes;
    if (S_ISREG(status.st_mode)) {
        bytes.reserve(static_cast<std::size_t>(status.st_size));
        AdviseLargeBlock(bytes.data(), bytes.capacity());
    }
    char chunk[1 << 16];
    for (;;) {
        const std::size_t got = std::fread(chunk, 1, sizeof chunk, file.get());
        bytes.append(chunk, got);
        if (got < sizeof chunk)
            break;
    }
    if (std::ferror(file.get()))
        throw FileError::CannotOpen(path, SystemReason());
    return bytes;
}

void WriteWholeFile(const std::string& path, std::string_view bytes)
{
    FilePtr file(std::fopen(path.c_str(), "wb"));
    if (!file)
        throw FileError::CannotOpen(path, SystemReason());
    if (std::fwrite(bytes.data(), 1, bytes.size(), file.get()) != bytes.size()
        || std::fflush(file.get()) != 0)
        throw FileError::CannotOpen(path, SystemReason());
}

void ReplaceWholeFile(const std::string& path, std::string_view bytes)
{
    std::string temporary = path + ".XXXXXX";
    const int descriptor = ::mkstemp(temporary.data());
    if (descriptor < 0)
        throw FileError::CannotOpen(path, SystemReason());
    ::fchmod(descriptor, 0644); // mkstemp makes it private to the user
    bool written = true;
    for (std::size_t done = 0; written && done < bytes.size();) {
        const ::ssize_t wrote = ::write(descriptor, bytes.data() + done, bytes.size() - done);
        written = wrote > 0 || (wrote < 0 && errno == EINTR);
        done += wrote > 0 ? static_cast<std::size_t>(wrote) : 0;
    }
    written = written && ::fsync(descriptor) == 0;
    const std::string reason = written ? std::string() : SystemReason();
    ::close(descriptor);
    if (!written || std::rename(temporary.c_str(), path.c_str()) != 0) {
        const std::string why = written ? SystemReason() : reason;
        std::remove(temporary.c_str());
        throw FileError::CannotOpen(path, why);
    }
}

std::string_view TrimControlAndBlanks(std::string_view text)
{
    while (!text.empty() && IsControlOrBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsControlOrBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

TextLines LoadTextLines(const std::string& path)
{
    return TextLines::FromText(ReadWholeFile(path));
}

void SaveTextLines(const std::string& path, const TextLines& lines)
{
    WriteWholeFile(path, lines.Join("\r\n"));
}

} // namespace mirelo
