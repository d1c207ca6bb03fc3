#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace mirelo {

// A file or folder a project names: relative to the project's folder, so that
// the two can move together, and absolute for when they did not.
struct ProjectPath {
    std::string relative;
    std::string absolute;
    bool operator==(const ProjectPath&) const = default;
};

// The model file as it was when the project was saved.
struct ModelFileFacts {
    std::uint64_t size = 0;
    std::uint64_t checksum = 0; // FNV-1a 64 of the bytes
    bool operator==(const ModelFileFacts&) const = default;
};

// Settings by their declared names, in declaration order; flags hold -1 or 0,
// whole numbers and choices their value.
using SettingValues = std::vector<std::pair<std::string, double>>;

// The settings of one frame section or material, found again by its name.
struct NamedSettings {
    std::string name;
    SettingValues values;
    bool operator==(const NamedSettings&) const = default;
};

// What a project file holds: the model file, every setting the user made on
// it, the view and the last run. Only the settings a user set or the model
// gave are there; one missing keeps the value the import gives.
struct Project {
    ProjectPath modelPath;
    ModelFileFacts modelFacts;
    std::vector<std::string> loadCaseNames; // of the model when saved, 1.. in order
    SettingValues analysis;
    SettingValues recorders;
    std::vector<NamedSettings> sections;
    std::vector<NamedSettings> materials;
    std::map<std::string, double> view; // filled and read by the desktop program
    ProjectPath lastRunFolder;          // empty when nothing was run
    bool operator==(const Project&) const = default;
};

// The project format this program writes and the newest it reads.
constexpr std::int64_t kProjectVersion = 1;

} // namespace mirelo
