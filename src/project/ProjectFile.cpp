#include "project/ProjectFile.h"

#include "common/TextLines.h"
#include "project/ProjectSettings.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <initializer_list>

namespace mirelo {

namespace {

using Json = nlohmann::ordered_json;

constexpr std::string_view kFormat = "mirelo-project";

std::string Where(const std::string& file, std::size_t line, const std::string& key)
{
    if (line > 0)
        return file + ", line " + std::to_string(line);
    if (!key.empty())
        return file + ", key " + key;
    return file;
}

std::string Hex(std::string_view bytes)
{
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string hex;
    for (const unsigned char c : bytes) {
        hex += kDigits[c >> 4];
        hex += kDigits[c & 15];
    }
    return hex;
}

std::string ChecksumText(std::uint64_t checksum)
{
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(checksum));
    return text;
}

// A name or path: as a string when it is UTF-8, else its bytes in hex.
Json TextValue(const std::string& bytes)
{
    Json text = bytes;
    try {
        (void)text.dump();
    } catch (const Json::type_error&) {
        text = Json::object({{"hex", Hex(bytes)}});
    }
    return text;
}

Json SettingsObject(SettingGroup group, const SettingValues& values, const std::string& where)
{
    Json object = Json::object();
    for (const auto& [name, value] : values) {
        const SettingDeclaration* declaration = FindGroupSetting(group, name);
        if (declaration == nullptr)
            continue; // nothing declares it any more
        if (!std::isfinite(value))
            throw Error("The project cannot be saved: " + where + name + " is not a finite number");
        if (declaration->kind == SettingKind::Real)
            object[name] = value;
        else if (declaration->kind == SettingKind::Flag)
            object[name] = value != 0;
        else
            object[name] = static_cast<std::int64_t>(value);
    }
    return object;
}

Json NamedList(SettingGroup group, const std::vector<NamedSettings>& list, const char* key)
{
    Json array = Json::array();
    for (const NamedSettings& entry : list) {
        Json object = Json::object({{"name", TextValue(entry.name)}});
        object.update(SettingsObject(group, entry.values, std::string(key) + " " + entry.name + ": "));
        array.push_back(std::move(object));
    }
    return array;
}

Json PathObject(const ProjectPath& path)
{
    return Json::object({{"path", TextValue(path.relative)}, {"absolutePath", TextValue(path.absolute)}});
}

// Walks a parsed project, naming the key of every fault.
class Reader {
public:
    explicit Reader(const std::string& source) : source_(source) {}

    [[noreturn]] void Fail(const std::string& key, const std::string& reason) const
    {
        throw ProjectError(source_, 0, key, reason);
    }

    void ExpectObject(const Json& value, const std::string& key, std::initializer_list<std::string_view> allowed) const
    {
        if (!value.is_object())
            Fail(key, "an object {...} is expected");
        for (const auto& member : value.items())
            if (std::find(allowed.begin(), allowed.end(), member.key()) == allowed.end())
                Fail(Join(key, member.key()), "unknown key");
    }

    const Json* Optional(const Json& object, std::string_view name) const
    {
        const auto found = object.find(name);
        return found != object.end() ? &*found : nullptr;
    }

    const Json& Required(const Json& object, std::string_view name, const std::string& key) const
    {
        if (const Json* value = Optional(object, name))
            return *value;
        Fail(Join(key, name), "missing");
    }

    std::string Text(const Json& value, const std::string& key) const
    {
        if (value.is_string())
            return value.get<std::string>();
        if (value.is_object() && value.size() == 1 && value.contains("hex") && value["hex"].is_string())
            return Bytes(value["hex"].get<std::string>(), Join(key, "hex"));
        Fail(key, "a text is expected");
    }

    std::uint64_t Unsigned(const Json& value, const std::string& key) const
    {
        if (!value.is_number_unsigned())
            Fail(key, "a whole number of at least 0 is expected");
        return value.get<std::uint64_t>();
    }

    std::uint64_t Checksum(const Json& value, const std::string& key) const
    {
        const std::string text = value.is_string() ? value.get<std::string>() : std::string();
        if (text.size() != 16 || text.find_first_not_of("0123456789abcdef") != std::string::npos)
            Fail(key, "16 hexadecimal digits are expected");
        return std::stoull(text, nullptr, 16);
    }

    ProjectPath Path(const Json& value, const std::string& key) const
    {
        ExpectObject(value, key, {"path", "absolutePath"});
        ProjectPath path;
        if (const Json* relative = Optional(value, "path"))
            path.relative = Text(*relative, Join(key, "path"));
        if (const Json* absolute = Optional(value, "absolutePath"))
            path.absolute = Text(*absolute, Join(key, "absolutePath"));
        return path;
    }

    // Every member but `skip` is a declared setting of the group.
    SettingValues Settings(const Json& object, SettingGroup group, const std::string& key,
                           std::string_view skip = {}) const
    {
        if (!object.is_object())
            Fail(key, "an object {...} is expected");
        SettingValues values;
        for (const auto& member : object.items()) {
            if (member.key() == skip)
                continue;
            const std::string memberKey = Join(key, member.key());
            const SettingDeclaration* declaration = FindGroupSetting(group, member.key());
            if (declaration == nullptr)
                Fail(memberKey, "unknown setting");
            values.emplace_back(member.key(), Value(*declaration, member.value(), memberKey));
        }
        return values;
    }

    std::vector<NamedSettings> NamedList(const Json& array, SettingGroup group, const std::string& key) const
    {
        if (!array.is_array())
            Fail(key, "a list [...] is expected");
        std::vector<NamedSettings> list;
        for (std::size_t i = 0; i < array.size(); ++i) {
            const std::string entryKey = key + "[" + std::to_string(i) + "]";
            const Json& entry = array[i];
            if (!entry.is_object())
                Fail(entryKey, "an object {...} is expected");
            NamedSettings named;
            named.name = Text(Required(entry, "name", entryKey), Join(entryKey, "name"));
            named.values = Settings(entry, group, entryKey, "name");
            list.push_back(std::move(named));
        }
        return list;
    }

    static std::string Join(const std::string& key, std::string_view member)
    {
        return key.empty() ? std::string(member) : key + "." + std::string(member);
    }

private:
    double Value(const SettingDeclaration& declaration, const Json& value, const std::string& key) const
    {
        switch (declaration.kind) {
        case SettingKind::Real:
            if (!value.is_number())
                Fail(key, "a number is expected");
            return value.get<double>(); // the parser refuses numbers beyond a double's range
        case SettingKind::Flag:
            if (!value.is_boolean())
                Fail(key, "true or false is expected");
            return value.get<bool>() ? -1 : 0;
        case SettingKind::Integer:
        case SettingKind::Choice: break;
        }
        if (!value.is_number_integer() || (value.is_number_unsigned() && value.get<std::uint64_t>() > INT64_MAX))
            Fail(key, "a whole number is expected");
        try {
            return IntegerSettingValue(declaration, value.get<std::int64_t>(), declaration.name);
        } catch (const Error& error) {
            Fail(key, error.what());
        }
    }

    std::string Bytes(const std::string& hex, const std::string& key) const
    {
        if (hex.size() % 2 != 0 || hex.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos)
            Fail(key, "pairs of hexadecimal digits are expected");
        std::string bytes;
        for (std::size_t i = 0; i < hex.size(); i += 2)
            bytes += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
        return bytes;
    }

    const std::string& source_;
};

// The line of a byte position the JSON parser reports (1-based: the last
// byte read).
std::size_t LineOf(std::string_view text, std::size_t byte)
{
    const std::size_t end = std::min(byte > 0 ? byte - 1 : 0, text.size());
    return 1 + static_cast<std::size_t>(std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(end), '\n'));
}

// The line of the number a parser's overflow message quotes ("number
// overflow parsing '1e999'"): its first place in the text, 0 if not found.
std::size_t LineOfLiteral(std::string_view text, const std::string& what)
{
    const std::size_t open = what.find('\'');
    const std::size_t close = what.rfind('\'');
    if (open == std::string::npos || close <= open)
        return 0;
    const std::size_t at = text.find(std::string_view(what).substr(open + 1, close - open - 1));
    return at == std::string_view::npos ? 0 : LineOf(text, at + 1);
}

// The parser's reason without its own prefix ("[json.exception...] ") and
// position ("parse error at line 2, column 7: ").
std::string ParseReason(const std::string& what)
{
    const std::size_t bracket = what.find("] ");
    std::string reason = bracket == std::string::npos ? what : what.substr(bracket + 2);
    if (reason.starts_with("parse error"))
        if (const std::size_t colon = reason.find(": "); colon != std::string::npos)
            reason.erase(0, colon + 2);
    return reason;
}

} // namespace

ProjectError::ProjectError(const std::string& file, std::size_t line, const std::string& key,
                           const std::string& reason)
    : Error(Where(file, line, key) + ": " + reason), line_(line), key_(key)
{
}

std::string ProjectText(const Project& project)
{
    Json model = PathObject(project.modelPath);
    model["size"] = project.modelFacts.size;
    model["fnv1a64"] = ChecksumText(project.modelFacts.checksum);
    Json cases = Json::array();
    for (const std::string& name : project.loadCaseNames)
        cases.push_back(TextValue(name));
    model["loadCases"] = std::move(cases);

    Json root = Json::object({{"format", kFormat}, {"version", kProjectVersion}});
    root["model"] = std::move(model);
    root["analysis"] = SettingsObject(SettingGroup::Analysis, project.analysis, "analysis ");
    root["recorders"] = SettingsObject(SettingGroup::Recorders, project.recorders, "recorders ");
    root["sections"] = NamedList(SettingGroup::Section, project.sections, "section");
    root["materials"] = NamedList(SettingGroup::Material, project.materials, "material");
    Json view = Json::object();
    for (const auto& [name, value] : project.view) {
        if (!std::isfinite(value))
            throw Error("The project cannot be saved: view " + name + " is not a finite number");
        view[name] = value;
    }
    root["view"] = std::move(view);
    if (!project.lastRunFolder.relative.empty() || !project.lastRunFolder.absolute.empty())
        root["lastRunFolder"] = PathObject(project.lastRunFolder);
    return root.dump(2) + "\n";
}

Project ReadProjectText(std::string_view text, const std::string& source)
{
    Json root;
    try {
        root = Json::parse(text.begin(), text.end());
    } catch (const Json::parse_error& error) {
        throw ProjectError(source, LineOf(text, error.byte), {}, "not a project text: " + ParseReason(error.what()));
    } catch (const Json::out_of_range& error) {
        throw ProjectError(source, LineOfLiteral(text, error.what()), {}, ParseReason(error.what()));
    }
    const Reader reader(source);
    const Json* format = root.is_object() ? reader.Optional(root, "format") : nullptr;
    if (format == nullptr || !format->is_string() || format->get<std::string>() != kFormat)
        reader.Fail("format", "not a Mirelo project");
    const Json& version = reader.Required(root, "version", "");
    if (!version.is_number_integer() || version.get<std::int64_t>() < 1)
        reader.Fail("version", "a whole number of at least 1 is expected");
    if (version.get<std::int64_t>() > kProjectVersion)
        reader.Fail("version", "a newer Mirelo saved this project (version " + std::to_string(version.get<std::int64_t>())
                                   + "); this one reads versions up to " + std::to_string(kProjectVersion));
    reader.ExpectObject(root, "", {"format", "version", "model", "analysis", "recorders", "sections", "materials",
                                   "view", "lastRunFolder"});

    Project project;
    const Json& model = reader.Required(root, "model", "");
    reader.ExpectObject(model, "model", {"path", "absolutePath", "size", "fnv1a64", "loadCases"});
    project.modelPath.relative = reader.Text(reader.Required(model, "path", "model"), "model.path");
    project.modelPath.absolute = reader.Text(reader.Required(model, "absolutePath", "model"), "model.absolutePath");
    project.modelFacts.size = reader.Unsigned(reader.Required(model, "size", "model"), "model.size");
    project.modelFacts.checksum = reader.Checksum(reader.Required(model, "fnv1a64", "model"), "model.fnv1a64");
    if (const Json* cases = reader.Optional(model, "loadCases")) {
        if (!cases->is_array())
            reader.Fail("model.loadCases", "a list [...] is expected");
        for (std::size_t i = 0; i < cases->size(); ++i)
            project.loadCaseNames.push_back(reader.Text((*cases)[i], "model.loadCases[" + std::to_string(i) + "]"));
    }
    if (const Json* analysis = reader.Optional(root, "analysis"))
        project.analysis = reader.Settings(*analysis, SettingGroup::Analysis, "analysis");
    if (const Json* recorders = reader.Optional(root, "recorders"))
        project.recorders = reader.Settings(*recorders, SettingGroup::Recorders, "recorders");
    if (const Json* sections = reader.Optional(root, "sections"))
        project.sections = reader.NamedList(*sections, SettingGroup::Section, "sections");
    if (const Json* materials = reader.Optional(root, "materials"))
        project.materials = reader.NamedList(*materials, SettingGroup::Material, "materials");
    if (const Json* view = reader.Optional(root, "view")) {
        if (!view->is_object())
            reader.Fail("view", "an object {...} is expected");
        for (const auto& member : view->items()) {
            if (!member.value().is_number())
                reader.Fail("view." + member.key(), "a number is expected");
            project.view[member.key()] = member.value().get<double>();
        }
    }
    if (const Json* folder = reader.Optional(root, "lastRunFolder"))
        project.lastRunFolder = reader.Path(*folder, "lastRunFolder");
    return project;
}

Project ReadProjectFile(const std::string& path)
{
    return ReadProjectText(ReadWholeFile(path), path);
}

void SaveProjectFile(const std::string& path, const Project& project)
{
    ReplaceWholeFile(path, ProjectText(project));
}

} // namespace mirelo
