#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace mirelo {

// A recorder output file: one line per recorded step. Opening it finds where
// every line starts by counting line ends (LF, CR LF or CR) block by block, so
// that reading step N converts that one line and no line before it.
class RecorderFile {
public:
    // Raises FileError ("Cannot open file ...") when the file cannot be read.
    explicit RecorderFile(std::string path);

    const std::string& path() const { return path_; }
    std::int64_t StepCount() const { return static_cast<std::int64_t>(starts_.size()) - 1; }

    // Line `step` (1-based) without its line end, read into `buffer`. Raises
    // Error naming the file and how many steps it holds when `step` is
    // outside 1..StepCount, and when the file changed since it was opened.
    std::string_view Line(std::int64_t step, std::string& buffer) const;

    std::uintmax_t size() const { return size_; }
    std::filesystem::file_time_type writeTime() const { return writeTime_; }

    // The longest line read; a longer one is no recorder line.
    static constexpr std::uint64_t kMaxLineBytes = 64ull << 20;

private:
    std::string path_;
    std::vector<std::uint64_t> starts_; // line k is [starts_[k - 1], starts_[k]), its line end included
    std::uintmax_t size_ = 0;
    std::filesystem::file_time_type writeTime_{};
};

// The files opened for earlier loads, kept while they stay as they were (same
// size and time of last change), so stepping through the steps of a large
// result set counts the line ends of each file once.
class RecorderFileCache {
public:
    const RecorderFile& Open(const std::string& path);
    void Clear() { files_.clear(); }

private:
    std::map<std::string, std::unique_ptr<RecorderFile>> files_;
};

} // namespace mirelo
