#include "support/TestSupport.h"

#include <atomic>
#include <sstream>
#include <unistd.h>

namespace mirelo::test {

std::string Dots(std::string_view text)
{
    static constexpr std::string_view kDot = "\xC2\xB7"; // U+00B7 in UTF-8
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        if (text.substr(i, kDot.size()) == kDot) {
            out.push_back(' ');
            i += kDot.size();
        } else {
            out.push_back(text[i++]);
        }
    }
    return out;
}

TextLines DottedLines(const std::vector<std::string_view>& lines)
{
    TextLines result;
    for (std::string_view line : lines)
        result.Append(Dots(line));
    return result;
}

Model ImportDotted(const std::vector<std::string_view>& lines)
{
    try {
        return ImportS2k(DottedLines(lines));
    } catch (const Error& e) {
        ADD_FAILURE() << "import failed: " << e.what();
        return Model();
    }
}

std::string ImportFailure(const std::vector<std::string_view>& lines)
{
    try {
        ImportS2k(DottedLines(lines));
    } catch (const ImportError& e) {
        return e.what();
    }
    return "";
}

std::filesystem::path SourceDir()
{
    return MIRELO_SOURCE_DIR;
}

std::filesystem::path ExamplePath(const std::string& name)
{
    return SourceDir() / "examples" / name;
}

std::vector<double> NumbersIn(const std::string& text)
{
    std::istringstream in(text);
    std::vector<double> numbers;
    for (double v; in >> v;)
        numbers.push_back(v);
    return numbers;
}

TempDir::TempDir()
{
    static std::atomic<int> counter{0};
    path_ = std::filesystem::temp_directory_path()
            / ("mirelo-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    std::filesystem::create_directories(path_);
}

TempDir::~TempDir()
{
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::string FailureOf(const std::function<void()>& run)
{
    try {
        run();
    } catch (const Error& e) {
        return e.what();
    }
    return "no error";
}

} // namespace mirelo::test
