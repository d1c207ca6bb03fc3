#include "parallel/GroundMotion.h"

#include "common/NumberText.h"
#include "common/TextLines.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <set>

namespace mirelo {

namespace {

namespace fs = std::filesystem;

std::string Where(const std::string& path, std::size_t line)
{
    return path + ":" + std::to_string(line) + ": ";
}

std::string Upper(std::string_view text)
{
    std::string upper(text);
    for (char& c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return upper;
}

// The words of a line, split at blanks and commas.
std::vector<std::string_view> Words(std::string_view line)
{
    std::vector<std::string_view> words;
    std::size_t i = 0;
    const auto separator = [](char c) { return IsControlOrBlank(c) || c == ','; };
    while (i < line.size()) {
        while (i < line.size() && separator(line[i]))
            ++i;
        const std::size_t start = i;
        while (i < line.size() && !separator(line[i]))
            ++i;
        if (i > start)
            words.push_back(line.substr(start, i - start));
    }
    return words;
}

double RealAt(std::string_view text, const std::string& path, std::size_t line, std::string_view what)
{
    try {
        return ParseReal(text);
    } catch (const ConversionError&) {
        throw MotionError(Where(path, line) + std::string(what) + " '" + std::string(text) + "' is not a number");
    }
}

// Appends the values of lines [first, end) to `values`, each checked.
void ReadValues(const TextLines& lines, std::size_t first, const std::string& path, std::vector<std::string>& values)
{
    for (std::size_t i = first; i < lines.size(); ++i)
        for (const std::string_view word : Words(lines[i])) {
            RealAt(word, path, i + 1, "the acceleration");
            values.emplace_back(word);
        }
}

// NPTS and DT from the fourth line of an AT2 record.
std::pair<std::int64_t, double> ReadAt2Counts(std::string_view line, const std::string& path)
{
    const std::string upper = Upper(line);
    const std::vector<std::string_view> words = Words(upper);
    std::string_view npts, dt;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const auto valueOf = [&](std::string_view key) -> std::string_view {
            if (!words[i].starts_with(key))
                return {};
            const std::string_view rest = words[i].substr(key.size());
            return !rest.empty() ? rest : (i + 1 < words.size() ? words[i + 1] : std::string_view());
        };
        if (npts.empty())
            npts = valueOf("NPTS=");
        if (dt.empty())
            dt = valueOf("DT=");
    }
    // The older layout: "3930   .0100   NPTS, DT".
    if (npts.empty() && dt.empty() && words.size() >= 4 && words[2] == "NPTS" && words[3] == "DT") {
        npts = words[0];
        dt = words[1];
    }
    if (npts.empty() || dt.empty())
        throw MotionError(Where(path, 4) + "the fourth line gives no NPTS= and DT= (a PEER .AT2 header has four lines)");
    std::int64_t count = 0;
    try {
        count = ParseInteger(npts);
    } catch (const ConversionError&) {
        throw MotionError(Where(path, 4) + "NPTS '" + std::string(npts) + "' is not a whole number");
    }
    return {count, RealAt(dt, path, 4, "DT")};
}

// The records.csv fields with the blanks around them taken off.
std::vector<std::string_view> CsvFields(std::string_view line)
{
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = line.find(',', start);
        fields.push_back(TrimControlAndBlanks(line.substr(start, comma - start)));
        if (comma == std::string_view::npos)
            return fields;
        start = comma + 1;
    }
}

GroundMotion ReadListedRecord(const std::vector<std::string_view>& fields, const fs::path& folder,
                              const std::string& csv, std::size_t line, double gravity)
{
    if (fields.size() < 3 || fields.size() > 4 || fields[0].empty())
        throw MotionError(Where(csv, line) + "a record is listed as file,dt,factor or file,dt,factor,direction");
    GroundMotion motion;
    motion.sourcePath = (folder / fields[0]).string();
    motion.name = SafeRunName(fs::path(std::string(fields[0])).stem().string());
    motion.dt = RealAt(fields[1], csv, line, "dt");
    if (!(motion.dt > 0))
        throw MotionError(Where(csv, line) + "dt " + std::string(fields[1]) + " is not above zero");
    std::string_view factor = fields[2];
    const bool inG = !factor.empty() && (factor.back() == 'g' || factor.back() == 'G');
    if (inG)
        factor.remove_suffix(1);
    motion.factor = RealAt(factor, csv, line, "factor") * (inG ? gravity : 1.0);
    if (fields.size() == 4) {
        const std::string_view d = fields[3];
        if (d != "1" && d != "2" && d != "3")
            throw MotionError(Where(csv, line) + "direction '" + std::string(d) + "' is not 1, 2 or 3");
        motion.direction = d[0] - '0';
    }
    try {
        motion.values = ReadPlainRecord(motion.sourcePath);
    } catch (const MotionError&) {
        throw;
    } catch (const Error& e) {
        throw MotionError(Where(csv, line) + e.what());
    }
    return motion;
}

std::vector<GroundMotion> ReadListedRecords(const fs::path& folder, const fs::path& csv, double gravity,
                                            std::vector<std::string>& faults)
{
    const TextLines lines = LoadTextLines(csv.string());
    std::vector<GroundMotion> motions;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (TrimControlAndBlanks(lines[i]).empty())
            continue;
        const std::vector<std::string_view> fields = CsvFields(lines[i]);
        if (motions.empty() && faults.empty() && Upper(fields[0]) == "FILE")
            continue; // the heading
        try {
            motions.push_back(ReadListedRecord(fields, folder, csv.string(), i + 1, gravity));
        } catch (const Error& e) {
            faults.emplace_back(e.what());
        }
    }
    return motions;
}

std::vector<GroundMotion> ReadAt2Records(const fs::path& folder, double gravity, std::vector<std::string>& faults)
{
    std::vector<fs::path> files;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder))
        if (entry.is_regular_file() && Upper(entry.path().extension().string()) == ".AT2")
            files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    std::vector<GroundMotion> motions;
    for (const fs::path& file : files) {
        try {
            motions.push_back(ReadAt2Record(file.string(), gravity));
        } catch (const Error& e) {
            faults.emplace_back(e.what());
        }
    }
    return motions;
}

} // namespace

std::string SafeRunName(std::string_view name)
{
    std::string safe(name);
    for (char& c : safe)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '-' && c != '_' && c != '.')
            c = '_';
    return safe;
}

std::vector<std::string> ReadPlainRecord(const std::string& path)
{
    const TextLines lines = LoadTextLines(path);
    std::vector<std::string> values;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view text = TrimControlAndBlanks(lines[i]);
        if (text.empty())
            continue;
        RealAt(text, path, i + 1, "the acceleration");
        values.emplace_back(text);
    }
    if (values.empty())
        throw MotionError(path + ": the record holds no accelerations");
    return values;
}

GroundMotion ReadAt2Record(const std::string& path, double gravity)
{
    const TextLines lines = LoadTextLines(path);
    if (lines.size() < 4)
        throw MotionError(Where(path, lines.size()) + "a PEER .AT2 record has four header lines, this file "
                          + std::to_string(lines.size()));
    const std::string units = Upper(lines[2]);
    if (const std::size_t at = units.find("UNITS OF"); at != std::string::npos) {
        const std::vector<std::string_view> unit = Words(std::string_view(units).substr(at + 8));
        if (unit.empty() || unit[0] != "G")
            throw MotionError(Where(path, 3) + "the accelerations are not in units of G");
    }
    const auto [npts, dt] = ReadAt2Counts(lines[3], path);
    if (npts < 1 || !(dt > 0))
        throw MotionError(Where(path, 4) + "NPTS must be at least 1 and DT above zero");
    GroundMotion motion;
    motion.name = SafeRunName(std::filesystem::path(path).stem().string());
    motion.sourcePath = path;
    motion.dt = dt;
    motion.factor = gravity;
    ReadValues(lines, 4, path, motion.values);
    if (static_cast<std::int64_t>(motion.values.size()) != npts)
        throw MotionError(Where(path, 4) + "NPTS= " + std::to_string(npts) + " but the file holds "
                          + std::to_string(motion.values.size()) + " accelerations");
    return motion;
}

std::vector<GroundMotion> ReadMotionSuite(const std::string& folder, double gravity)
{
    const fs::path root(folder);
    std::error_code error;
    if (!fs::is_directory(root, error))
        throw MotionError(folder + ": not a folder of ground motions");
    std::vector<std::string> faults;
    const fs::path csv = root / "records.csv";
    std::vector<GroundMotion> motions =
        fs::exists(csv) ? ReadListedRecords(root, csv, gravity, faults) : ReadAt2Records(root, gravity, faults);
    std::set<std::string> names;
    for (const GroundMotion& motion : motions)
        if (!names.insert(motion.name).second)
            faults.push_back(motion.sourcePath + ": a second record named " + motion.name
                             + " (each record's runs take its name as their folder)");
    if (motions.empty() && faults.empty())
        faults.push_back(folder + ": no records.csv and no .AT2 record");
    if (faults.empty())
        return motions;
    std::string message = "Bad ground motions:";
    for (const std::string& fault : faults)
        message += "\n" + fault;
    throw MotionError(message);
}

} // namespace mirelo
