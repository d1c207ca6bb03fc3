#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace mirelo {

// The offsets at which a text's lines start, in rising order: 32 bits each
// while they stay below `wideFrom` (4 GiB unless a test sets less), which
// halves the table of a large file, and 64 bits each from the first that does
// not.
class LineStarts {
public:
    explicit LineStarts(std::uint64_t wideFrom = std::uint64_t{1} << 32) : wideFrom_(wideFrom) {}

    std::size_t size() const { return wide_.empty() ? narrow_.size() : wide_.size(); }
    bool empty() const { return size() == 0; }
    std::uint64_t operator[](std::size_t i) const { return wide_.empty() ? narrow_[i] : wide_[i]; }
    std::uint64_t back() const { return (*this)[size() - 1]; }
    bool IsWide() const { return !wide_.empty(); }

    void push_back(std::uint64_t start)
    {
        if (wide_.empty() && start < wideFrom_)
            narrow_.push_back(static_cast<std::uint32_t>(start));
        else
            PushWide(start);
    }
    // Room for `n` starts in all.
    void reserve(std::size_t n);
    // Gives back the room reserved beyond the starts held.
    void shrink_to_fit();
    std::size_t capacity() const { return wide_.empty() ? narrow_.capacity() : wide_.capacity(); }
    void clear();

private:
    void PushWide(std::uint64_t start);

    std::uint64_t wideFrom_;
    std::vector<std::uint32_t> narrow_;
    std::vector<std::uint64_t> wide_; // holds every start once one is wide
};

} // namespace mirelo
