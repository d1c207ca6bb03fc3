#include "results/SplitResultLine.h"

#include <cstring>

namespace mirelo {

namespace {

bool IsTrimmed(char c)
{
    return static_cast<unsigned char>(c) <= ' ';
}

std::string_view Trimmed(std::string_view field)
{
    while (!field.empty() && IsTrimmed(field.front()))
        field.remove_prefix(1);
    while (!field.empty() && IsTrimmed(field.back()))
        field.remove_suffix(1);
    return field;
}

} // namespace

void SplitResultLine(std::string_view line, std::vector<std::string_view>& fields)
{
    fields.clear();
    const char* p = line.data();
    const char* const end = p + line.size();
    for (;;) {
        const void* blank = p == end ? nullptr : std::memchr(p, ' ', static_cast<std::size_t>(end - p));
        const char* stop = blank ? static_cast<const char*>(blank) : end;
        fields.push_back(Trimmed(std::string_view(p, static_cast<std::size_t>(stop - p))));
        if (!blank)
            return;
        p = stop + 1;
    }
}

} // namespace mirelo
