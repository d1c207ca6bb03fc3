#pragma once

#include "cli/Commands.h"
#include "model/Model.h"
#include "results/ResultReaders.h"
#include "script/AnalysisSettings.h"

#include <optional>
#include <string>
#include <vector>

namespace mirelo::cli {

// What "results" and "picture" read from a results folder: a load step (or
// the last one) or a mode, and optionally one section quantity, with the
// settings the script was generated with (--set).
struct ResultOptions {
    std::string folder;                     // empty: no results
    StepChoice step;                        // none: the last step
    std::optional<std::int32_t> mode;       // a mode shape instead of a step
    std::optional<SectionQuantity> section; // axial, kz or ky
    std::vector<std::string> settings;      // the --set texts, in order
    AnalysisSettings analysis;              // the model's settings with --set on top
    RecorderSettings recorder;
};

// Takes the option at args[i] (and its value, advancing i) when it is one of
// --step N, --last, --mode M, --section axial|kz|ky, --set Name=Value; false
// for any other argument. Raises UsageError for a value that is missing or
// not understood.
bool TakeResultOption(const Arguments& args, std::size_t& i, ResultOptions& options);

// Checks the combination once all arguments are read.
void CheckResultOptions(const ResultOptions& options);

// The settings results are read with: the model's (a project's, or the start
// values) with the --set options on top. Raises as SetSetting does.
void UseModelSettings(ResultOptions& options, const AnalysisSettings& analysis, const RecorderSettings& recorder);

// What was read, already written into the model's result fields.
struct LoadedForCli {
    JointResults joints;
    std::optional<SectionResults> sections;
};

// Reads the joints' step or mode, and the section quantity when asked, and
// writes them into the model.
LoadedForCli LoadResults(Model& model, const ResultOptions& options);

// "Name=Value" split at its first equals sign.
std::pair<std::string_view, std::string_view> NameAndValue(std::string_view text, std::string_view option);

} // namespace mirelo::cli
