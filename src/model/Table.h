#pragma once

#include "common/Errors.h"
#include "common/LargeMemory.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace mirelo {

// A table of records indexed from 1; record 0 exists and stays empty. The
// count is kept beside it as the file gave it: -1 after an import of a file
// that lacks the section. Every consumer loops over 1..count.
template <typename Record>
class Table {
public:
    std::int32_t count = 0;

    // Empties the table and sizes it to records 0..n, all zeroed; count := n.
    // A negative n other than -1 (an absent section) raises RangeCheckError.
    void Reset(std::int32_t n)
    {
        if (n < -1)
            throw RangeCheckError();
        records_.clear();
        records_.shrink_to_fit();
        records_.reserve(static_cast<std::size_t>(n + 1));
        AdviseLargeBlock(records_.data(), records_.capacity() * sizeof(Record));
        records_.resize(static_cast<std::size_t>(n + 1));
        count = n;
    }

    // Takes records 0..n (record 0 empty) built elsewhere; count := n.
    void Adopt(std::vector<Record>&& records)
    {
        if (records.empty())
            records.resize(1);
        records_ = std::move(records);
        count = static_cast<std::int32_t>(records_.size() - 1);
    }

    // Number of usable records, max(count, 0).
    std::int32_t Size() const { return count > 0 ? count : 0; }
    bool Contains(std::int32_t index) const { return index >= 1 && index <= count; }

    Record& operator[](std::int32_t index) { return records_[static_cast<std::size_t>(index)]; }
    const Record& operator[](std::int32_t index) const { return records_[static_cast<std::size_t>(index)]; }

    // The last record whose name is exactly `name` (a later record of a name
    // wins), or nullptr.
    Record* LastNamed(std::string_view name)
    {
        for (std::int32_t k = count; k >= 1; --k)
            if ((*this)[k].name == name)
                return &(*this)[k];
        return nullptr;
    }

    // Checked access for callers that take indexes from outside.
    Record& At(std::int32_t index)
    {
        if (!Contains(index))
            throw RangeCheckError();
        return (*this)[index];
    }
    const Record& At(std::int32_t index) const
    {
        if (!Contains(index))
            throw RangeCheckError();
        return (*this)[index];
    }

private:
    std::vector<Record> records_;
};

} // namespace mirelo
