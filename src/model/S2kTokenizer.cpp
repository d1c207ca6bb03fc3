#include "model/S2kTokenizer.h"

#include <array>

namespace mirelo {

// Character classes of the splitting rule: blanks separate by the run rule,
// '=', ',' and '"' always separate.
enum CharClass : unsigned char { kPlain = 0, kBlank = 1, kSeparator = 2 };

constexpr std::array<unsigned char, 256> MakeClassTable()
{
    std::array<unsigned char, 256> table{};
    table[static_cast<unsigned char>(' ')] = kBlank;
    table[static_cast<unsigned char>('=')] = kSeparator;
    table[static_cast<unsigned char>(',')] = kSeparator;
    table[static_cast<unsigned char>('"')] = kSeparator;
    return table;
}
constexpr std::array<unsigned char, 256> kClass = MakeClassTable();

namespace {

// The boundaries recorded so far while one line is scanned: a new boundary
// from the third on closes the field since the previous one.
class BoundaryRecorder {
public:
    BoundaryRecorder(std::string_view line, std::vector<std::string_view>& fields) : line_(line), fields_(fields) {}

    // Whether a blank at scan position p is a boundary: only when it does not
    // directly follow the last one.
    bool BlankSeparates(std::size_t p) const { return count_ == 0 || last_ + 1 != p; }

    [[gnu::always_inline]] void Record(std::size_t p)
    {
        if (count_ >= 2) {
            // Characters strictly between the boundaries, 1-based: last+1 .. p-1.
            const std::size_t length = p > last_ + 1 ? p - last_ - 1 : 0;
            fields_.push_back(TrimControlAndBlanks(std::string_view(line_.data() + last_, length)));
        }
        last_ = p;
        ++count_;
    }

private:
    std::string_view line_;
    std::vector<std::string_view>& fields_;
    std::size_t count_ = 0;
    std::size_t last_ = 0;
};

} // namespace

void SplitS2kLine(std::string_view line, FieldList& fields)
{
    // Boundaries are scan positions; position p >= 1 reads character p (1-based)
    // and position 0 reads character 1 again. Field m lies strictly between
    // boundaries m+1 and m+2 (0-based).
    fields.fields_.clear();
    BoundaryRecorder boundaries(line, fields.fields_);
    const std::size_t length = line.size();
    if (length > 0 && kClass[static_cast<unsigned char>(line[0])] != kPlain)
        boundaries.Record(0);
    const char* const begin = line.data();
    for (const char* c = begin; c != begin + length; ++c) {
        const unsigned char kind = kClass[static_cast<unsigned char>(*c)];
        if (kind == kPlain) [[likely]]
            continue;
        const auto p = static_cast<std::size_t>(c - begin) + 1;
        if (kind == kSeparator || boundaries.BlankSeparates(p))
            boundaries.Record(p);
    }
    boundaries.Record(length + 1);
}

S2kSection FindS2kSection(const TextLines& lines, std::string_view keyword)
{
    return FindS2kSections(lines, {keyword}).front();
}

std::vector<S2kSection> FindS2kSections(const TextLines& lines, const std::vector<std::string_view>& keywords)
{
    std::vector<S2kSection> sections(keywords.size());
    // Keywords whose first occurrence (past line 0) is still waiting for the
    // blank line that ends it.
    std::vector<std::size_t> waiting;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        if (!line.empty() && !IsControlOrBlank(line.front())) {
            for (std::size_t k = 0; k < keywords.size(); ++k) {
                if (line != keywords[k])
                    continue;
                if (sections[k].start == 0 && i != 0)
                    waiting.push_back(k);
                sections[k].start = i;
            }
        } else if (!waiting.empty() && TrimControlAndBlanks(line).empty()) {
            for (const std::size_t k : waiting)
                sections[k].end = i;
            waiting.clear();
        }
    }
    return sections;
}

} // namespace mirelo
