#pragma once

#include "cli/Commands.h"
#include "model/Model.h"
#include "results/ResultReaders.h"
#include "script/AnalysisSettings.h"
#include "session/ResultLoading.h"

#include <optional>
#include <string>
#include <vector>

namespace mirelo::cli {

// What "results" and "picture" read from a results folder (the request the
// session's LoadResults takes; an empty folder: no results), with the
// settings the script was generated with (--set).
struct ResultOptions {
    ResultRequest request;
    std::vector<std::string> settings; // the --set texts, in order
};

// Takes the option at args[i] (and its value, advancing i) when it is one of
// --step N, --last, --mode M, --section NAME (a declared frame-end quantity), --set Name=Value; false
// for any other argument. Raises UsageError for a value that is missing or
// not understood.
bool TakeResultOption(const Arguments& args, std::size_t& i, ResultOptions& options);

// Checks the combination once all arguments are read.
void CheckResultOptions(const ResultOptions& options);

// A session of the model argument (a model file, or a project with its
// settings) with the --set options on top, ready to load results. Raises as
// SetSetting does.
Session ResultSession(const std::string& modelPath, const ResultOptions& options);

// "Name=Value" split at its first equals sign.
std::pair<std::string_view, std::string_view> NameAndValue(std::string_view text, std::string_view option);

} // namespace mirelo::cli
