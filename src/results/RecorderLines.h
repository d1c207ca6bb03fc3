#pragma once

#include "results/RecorderFile.h"
#include "results/ResultReaders.h"

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace mirelo {

// What every recorder-file reader shares: where a file lies, which line a
// step is, and the messages that name file, line, field and object.

// `name` inside `folder` (the working folder when empty).
std::string InFolder(const std::string& folder, const std::string& name);

// "FILE, line N".
std::string Where(const RecorderFile& file, std::int64_t step);

// The steps of a result set are those of its first file: the one asked for,
// or its last line. Raises Error for a file without lines.
std::int64_t ResolveStep(const RecorderFile& first, StepChoice step);

// Converts every field of a line; `describe(i)` names field i (1-based after
// the time column) for the message of a field that is not a number.
void ConvertFields(std::span<const std::string_view> fields, const RecorderFile& file, std::int64_t step,
                   std::vector<double>& values, const std::function<std::string(std::size_t)>& describe);

// A line whose number of values after the time is not what the objects
// first..last need, `perObject[k - first]` each: names where they part.
[[noreturn]] void ThrowCountMismatch(const RecorderFile& file, std::int64_t step, std::size_t actual,
                                     const char* object, std::int32_t first, std::int32_t last,
                                     std::span<const std::int32_t> perObject, const std::string& rule);

// The object of value i (1-based after the time) when objects first.. hold
// `perObject` values each, and i's place among its object's values (1-based).
std::pair<std::int32_t, std::size_t> ObjectOfValue(std::size_t i, std::int32_t first,
                                                   std::span<const std::int32_t> perObject);

} // namespace mirelo
