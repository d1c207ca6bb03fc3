#include "results/RecorderFile.h"

#include "common/Errors.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>

namespace mirelo {

namespace {

// Follows the line ends through the blocks of a file. A CR followed by an LF
// is one line end, also when the two fall into different blocks.
class LineEnds {
public:
    explicit LineEnds(std::vector<std::uint64_t>& starts) : starts_(starts) { starts_.assign(1, 0); }

    void Block(const char* data, std::size_t size, std::uint64_t offset)
    {
        if (size == 0)
            return;
        if (std::memchr(data, '\r', size) == nullptr) {
            // Every line end of the block is a lone LF (or ends a CR LF begun before it).
            for (const char* p = data; (p = static_cast<const char*>(std::memchr(p, '\n', size - static_cast<std::size_t>(p - data)))) != nullptr; ++p)
                End('\n', offset + static_cast<std::uint64_t>(p - data));
            lastWasCr_ = false;
            return;
        }
        for (std::size_t i = 0; i < size; ++i)
            if (data[i] == '\n' || data[i] == '\r')
                End(data[i], offset + i);
            else
                lastWasCr_ = false;
    }

    void Finish(std::uint64_t size)
    {
        if (starts_.back() != size)
            starts_.push_back(size); // a last line without a line end
    }

private:
    void End(char c, std::uint64_t at)
    {
        if (c == '\n' && lastWasCr_ && starts_.back() == at)
            starts_.back() = at + 1; // the LF of a CR LF
        else
            starts_.push_back(at + 1);
        lastWasCr_ = c == '\r';
    }

    std::vector<std::uint64_t>& starts_;
    bool lastWasCr_ = false;
};

} // namespace

RecorderFile::RecorderFile(std::string path) : path_(std::move(path))
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(path_, error))
        throw FileError::CannotOpen(path_, error ? error.message()
                                                 : (std::filesystem::exists(path_, error) ? "It is not a file."
                                                                                          : "No such file or directory"));
    writeTime_ = std::filesystem::last_write_time(path_, error);
    std::ifstream in(path_, std::ios::binary);
    if (!in)
        throw FileError::CannotOpen(path_, std::strerror(errno));
    LineEnds ends(starts_);
    // Blocks of 1 MiB, smaller for a small file (one more byte sees its end).
    const std::uintmax_t expected = std::filesystem::file_size(path_, error);
    std::vector<char> block(static_cast<std::size_t>(std::min<std::uintmax_t>(1 << 20, error ? 1 << 20 : expected + 1)));
    std::uint64_t offset = 0;
    while (in) {
        in.read(block.data(), static_cast<std::streamsize>(block.size()));
        const auto got = static_cast<std::size_t>(in.gcount());
        ends.Block(block.data(), got, offset);
        offset += got;
    }
    if (in.bad())
        throw FileError::CannotOpen(path_, "Reading it failed.");
    ends.Finish(offset);
    size_ = offset;
}

std::string_view RecorderFile::Line(std::int64_t step, std::string& buffer) const
{
    if (step < 1 || step > StepCount())
        throw Error("Load step " + std::to_string(step) + " is not in " + path_ + ", which holds "
                    + std::to_string(StepCount()) + (StepCount() == 1 ? " step" : " steps"));
    const std::uint64_t from = starts_[static_cast<std::size_t>(step - 1)];
    const std::uint64_t length = starts_[static_cast<std::size_t>(step)] - from;
    if (length > kMaxLineBytes)
        throw Error("Line " + std::to_string(step) + " of " + path_ + " is " + std::to_string(length)
                    + " bytes long: that is no recorder line");
    buffer.resize(static_cast<std::size_t>(length));
    std::ifstream in(path_, std::ios::binary);
    in.seekg(static_cast<std::streamoff>(from));
    in.read(buffer.data(), static_cast<std::streamsize>(length));
    if (!in || static_cast<std::uint64_t>(in.gcount()) != length)
        throw Error(path_ + " changed while it was read: load the results again");
    std::string_view line(buffer);
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
        line.remove_suffix(1);
    return line;
}

const RecorderFile& RecorderFileCache::Open(const std::string& path)
{
    std::error_code error;
    const auto found = files_.find(path);
    if (found != files_.end()) {
        const RecorderFile& file = *found->second;
        const std::uintmax_t size = std::filesystem::file_size(path, error);
        if (!error && size == file.size() && std::filesystem::last_write_time(path, error) == file.writeTime() && !error)
            return file;
        files_.erase(found);
    }
    // A long session of many result folders keeps no more than a few thousand.
    if (files_.size() >= 4096)
        files_.clear();
    auto file = std::make_unique<RecorderFile>(path);
    return *files_.emplace(path, std::move(file)).first->second;
}

} // namespace mirelo
