#include "common/LineStarts.h"

#include <algorithm>

namespace mirelo {

void LineStarts::reserve(std::size_t n)
{
    if (wide_.empty())
        narrow_.reserve(n);
    else
        wide_.reserve(n);
}

void LineStarts::shrink_to_fit()
{
    narrow_.shrink_to_fit();
    wide_.shrink_to_fit();
}

void LineStarts::clear()
{
    narrow_.clear();
    wide_.clear();
}

void LineStarts::PushWide(std::uint64_t start)
{
    if (wide_.empty()) {
        // The narrow table's room is what the caller reserved for all starts.
        wide_.reserve(std::max(narrow_.capacity(), narrow_.size() + 1));
        wide_.assign(narrow_.begin(), narrow_.end());
        narrow_ = {};
    }
    wide_.push_back(start);
}

} // namespace mirelo
