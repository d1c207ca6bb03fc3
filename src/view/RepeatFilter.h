#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <vector>

namespace mirelo {

// Keeps a list of shapes to paint in order, in which a shape repeated later
// supersedes its earlier copy: painting only the last copy of each, in list
// order, gives the same pixels as painting them all, because the later copy
// paints exactly the pixels of the earlier one. An open-addressing set of list
// positions; Clear() is O(1) (slots carry the generation that wrote them), so
// many small batches stay cheap after a big one.
template <typename Value, typename Hash>
class RepeatFilter {
public:
    // Appends `value` to `list`; an equal value already there is marked superseded.
    void Add(std::vector<Value>& list, const Value& value)
    {
        if ((list.size() + 1) * 2 > slots_.size())
            Grow(list);
        const std::size_t mask = slots_.size() - 1;
        for (std::size_t at = Hash{}(value) & mask;; at = (at + 1) & mask) {
            Slot& slot = slots_[at];
            if (slot.generation != generation_) {
                slot = {generation_, static_cast<std::uint32_t>(list.size())};
                break;
            }
            if (list[slot.position] == value) {
                superseded_[slot.position] = 1;
                slot.position = static_cast<std::uint32_t>(list.size());
                break;
            }
        }
        list.push_back(value);
        superseded_.push_back(0);
    }

    // Whether list[position] has a later copy (and need not be painted).
    bool Superseded(std::size_t position) const { return superseded_[position] != 0; }

    void Clear()
    {
        superseded_.clear();
        if (++generation_ == 0) { // wrapped: old stamps could look current
            slots_.assign(slots_.size(), Slot{});
            generation_ = 1;
        }
    }

private:
    struct Slot {
        std::uint32_t generation = 0;
        std::uint32_t position = 0;
    };

    void Grow(const std::vector<Value>& list)
    {
        std::size_t size = slots_.empty() ? 1024 : slots_.size() * 2;
        while (size < (list.size() + 1) * 2)
            size *= 2;
        slots_.assign(size, Slot{});
        generation_ = 1;
        const std::size_t mask = size - 1;
        for (std::size_t position = 0; position < list.size(); ++position) {
            if (superseded_[position])
                continue;
            std::size_t at = Hash{}(list[position]) & mask;
            while (slots_[at].generation == generation_)
                at = (at + 1) & mask;
            slots_[at] = {generation_, static_cast<std::uint32_t>(position)};
        }
    }

    std::vector<Slot> slots_;
    std::vector<std::uint8_t> superseded_;
    std::uint32_t generation_ = 1;
};

// A hash of a few 32-bit integers (coordinates), well mixed in the low bits.
inline std::size_t MixCoordinates(std::initializer_list<int> values)
{
    std::uint64_t h = 0x9E3779B97F4A7C15ull;
    for (const int v : values) {
        h ^= static_cast<std::uint32_t>(v);
        h *= 0xBF58476D1CE4E5B9ull;
        h ^= h >> 31;
    }
    return static_cast<std::size_t>(h);
}

} // namespace mirelo
