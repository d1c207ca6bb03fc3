#include "results/SplitResultLine.h"

#include "common/TextLines.h"

#include <cstring>

namespace mirelo {

void SplitResultLine(std::string_view line, std::vector<std::string_view>& fields)
{
    fields.clear();
    const char* p = line.data();
    const char* const end = p + line.size();
    for (;;) {
        const void* blank = p == end ? nullptr : std::memchr(p, ' ', static_cast<std::size_t>(end - p));
        const char* stop = blank ? static_cast<const char*>(blank) : end;
        fields.push_back(TrimControlAndBlanks(std::string_view(p, static_cast<std::size_t>(stop - p))));
        if (!blank)
            return;
        p = stop + 1;
    }
}

} // namespace mirelo
