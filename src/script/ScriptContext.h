#pragma once

#include "common/Errors.h"
#include "common/TextLines.h"
#include "model/Model.h"
#include "script/AnalysisSettings.h"
#include "script/JointDofs.h"
#include "script/ModePlan.h"
#include "sections/PreparedSections.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace mirelo {

// A generated script: its lines (the script window shows them one per pane
// line) and what the user should know about it.
struct ScriptResult {
    TextLines lines;
    std::vector<std::string> warnings;
    // Beside each warning, the 1-based number of the line it is about; 0 when
    // it is about no one line.
    std::vector<std::size_t> warningLines;
};

// What a script may take from its caller beyond the model and the settings:
// the ground motion of a uniform excitation, as the texts the script writes
// (literal numbers, or Tcl variables a suite's driver sets for each run), and
// the linear system of the parallel solver. The start values give the
// single time history: GMX.txt along X, factor 0.1, 1000 steps of 0.02 s.
struct ScriptOptions {
    std::string motionFile = "GMX.txt";
    std::string motionDirection = "1";
    std::string motionFactor = "0.1";
    std::string motionDt = "0.02";
    // The line that runs the transient steps.
    std::string transientAnalyze = "analyze 1000 0.02";
    // "Mumps" for OpenSeesSP; empty keeps each analysis's own system.
    std::string system;
};

// A real that a template writes with just the digits it names, for numbers
// whose further digits mean nothing to the solver (a direction).
struct Rounded {
    double value;
};

// One value for a placeholder of a line template.
struct ScriptArg {
    enum class Kind { Integer, Real, RoundedReal, Text };
    Kind kind;
    std::int64_t integer = 0;
    double real = 0;
    std::string_view text;

    ScriptArg(std::int32_t v) : kind(Kind::Integer), integer(v) {}
    ScriptArg(std::int64_t v) : kind(Kind::Integer), integer(v) {}
    ScriptArg(double v) : kind(Kind::Real), real(v) {}
    ScriptArg(Rounded v) : kind(Kind::RoundedReal), real(v.value) {}
    ScriptArg(std::string_view v) : kind(Kind::Text), text(v) {}
    ScriptArg(const std::string& v) : kind(Kind::Text), text(v) {}
};

// What every block writer shares: the model and settings it reads, the lines
// and warnings it appends, and the few facts one block leaves for a later one.
class ScriptContext {
public:
    ScriptContext(const Model& model, const PreparedSections& prepared, const AnalysisSettings& analysis,
                  const RecorderSettings& recorder, ScriptResult& result, const ScriptOptions& options = {});

    const Model& model;
    const PreparedSections& prepared; // what the script derives from the model's frame sections
    const AnalysisSettings& analysis;
    const RecorderSettings& recorder;
    const JointDofs dofs; // 3 or 6 per node, and the twins of shared brick joints
    const ModePlan modes; // the modes computed, their solver, the shapes that can be recorded
    const ScriptOptions options;

    // Appends one line as it stands.
    void Line(std::string_view text) { result_.lines.Append(text); }

    // Appends one line made from a template whose placeholders are filled in
    // order: "%d"/"%D" integers, "%s"/"%S" texts, "%0.4E"/"%0.4e" scientific
    // with four significant digits, "%0.3F", "%0.2f" fixed decimals. A real
    // takes more digits or decimals where the template's own do not read back
    // as the same double, so the solver gets the model's very numbers; a
    // Rounded real keeps the template's.
    template <typename... Args>
    void Format(std::string_view pattern, const Args&... args)
    {
        // One unused value at the end, so that a template without placeholders
        // still has an array.
        const ScriptArg values[] = {ScriptArg(args)..., ScriptArg(std::int32_t{0})};
        FormatLine(pattern, values, sizeof...(Args));
    }

    // A warning, with the number of the line it is about (0: none).
    void Warn(std::string message, std::size_t line = 0)
    {
        result_.warnings.push_back(std::move(message));
        result_.warningLines.push_back(line);
    }
    // The number the next line appended will have.
    std::size_t NextLine() const { return result_.lines.size() + 1; }

    // Records referred to by number. Number 0 reads as an empty record; a
    // number outside the table raises RangeCheckError.
    const Joint& JointAt(std::int32_t k) const { return RecordOrEmpty(model.Joints, k); }
    const FrameSection& FrameSectionAt(std::int32_t k) const { return RecordOrEmpty(model.FrameSections, k); }
    const PreparedSection& PreparedSectionAt(std::int32_t k) const { return RecordOrEmpty(prepared.sections, k); }
    const Material& MaterialAt(std::int32_t k) const { return RecordOrEmpty(model.Materials, k); }
    const ShellSection& ShellSectionAt(std::int32_t k) const { return RecordOrEmpty(model.ShellSections, k); }

    // Writes "nDMaterial ElasticIsotropic" for material m the first time it
    // is asked for. Returns false, writing nothing, when m is no material.
    bool EnsureElasticIsotropic(std::int32_t m);

    // Rigid diaphragm lines written by the node block.
    std::int64_t rigidDiaphragmLines = 0;

private:
    template <typename Record>
    static const Record& RecordOrEmpty(const Table<Record>& table, std::int32_t k)
    {
        static const Record empty{};
        if (k >= 1 && k <= table.count)
            return table[k];
        if (k == 0)
            return empty;
        throw RangeCheckError();
    }

    void FormatLine(std::string_view pattern, const ScriptArg* values, std::size_t count);

    ScriptResult& result_;
    std::string line_;                     // reused for every formatted line
    std::vector<bool> elasticIsotropicDone_; // by material number
};

} // namespace mirelo
