#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <vector>

namespace mirelo {

// Keeps a list of shapes to paint in order, in which a shape repeated later
// supersedes its earlier copy: painting only the last copy of each, in list
// order, gives the same pixels as painting them all, because the later copy
// paints exactly the pixels of the earlier one (stacked storeys in a plan
// view repeat almost every line and dot).
//
// Repeats are found through a fixed direct-mapped table that remembers the
// last shape seen per hash slot. It may forget one when two shapes share a
// slot; that repeat is then simply painted twice, which is harmless. A fixed
// table keeps the cost of a shape at one cache-friendly lookup, repeats or not.
template <typename Value, typename Hash>
class RepeatFilter {
public:
    // Appends `value` to `list`; an equal value remembered from earlier in the
    // list is marked superseded.
    void Add(std::vector<Value>& list, const Value& value)
    {
        if (slots_.empty())
            slots_.resize(kSlots); // on first use: most pictures never batch some kinds
        Slot& slot = slots_[Hash{}(value) & (kSlots - 1)];
        if (slot.generation == generation_ && slot.value == value)
            superseded_[slot.position] = 1;
        slot = {value, generation_, static_cast<std::uint32_t>(list.size())};
        list.push_back(value);
        superseded_.push_back(0);
    }

    // Whether list[position] has a later copy (and need not be painted).
    bool Superseded(std::size_t position) const { return superseded_[position] != 0; }

    // Forgets the list: O(1), slots carry the generation that wrote them.
    void Clear()
    {
        superseded_.clear();
        if (++generation_ == 0) { // wrapped: old stamps could look current
            slots_.assign(slots_.size(), Slot{});
            generation_ = 1;
        }
    }

private:
    static constexpr std::size_t kSlots = std::size_t{1} << 15;

    struct Slot {
        Value value{};
        std::uint32_t generation = 0;
        std::uint32_t position = 0;
    };

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
