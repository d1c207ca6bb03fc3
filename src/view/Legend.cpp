#include "view/Legend.h"

#include "view/DisplayText.h"
#include "view/DrawLayers.h"
#include "view/LoadArrows.h"
#include "view/LoadUnits.h"

#include <algorithm>
#include <vector>

namespace mirelo {

namespace {

constexpr int kRowHeight = 15;
constexpr int kSwatch = 10;
constexpr int kPadding = 6;
constexpr int kLegendPoints = 8;

void AddSupports(std::vector<LegendEntry>& entries, const Model& model, const PlaneFilter& shown,
                 const std::optional<UsedNumbers>& painted)
{
    UsedNumbers kinds = painted ? *painted : UsedNumbers(kSupportKinds);
    for (std::int32_t k = 1; !painted && k <= model.Joints.count; ++k)
        if (const std::int32_t fixed = SupportKind(model.Joints[k]); fixed > 0 && shown.Joint(k))
            kinds.Mark(fixed);
    kinds.ForEach([&](std::int32_t fixed) {
        entries.push_back({LegendEntry::Swatch::Square, model.SectionPalette[static_cast<std::size_t>(fixed)],
                           fixed >= 6 ? QStringLiteral("Support, fixed") : QStringLiteral("Support, %1 of 6 DOF fixed").arg(fixed)});
    });
}

void AddFrameSections(std::vector<LegendEntry>& entries, const Model& model, const PlaneFilter& shown,
                      const std::optional<UsedNumbers>& painted)
{
    UsedNumbers used = painted ? *painted : UsedNumbers(model.FrameSections.count);
    for (std::int32_t f = 1; !painted && f <= model.Frames.count; ++f)
        if (model.FrameSections.Contains(model.Frames[f].section) && shown.Frame(model.Frames[f]))
            used.Mark(model.Frames[f].section);
    used.ForEach([&](std::int32_t s) {
        const FrameSection& section = model.FrameSections[s];
        const bool spring = IsSpring(section.elementKind);
        entries.push_back({LegendEntry::Swatch::Line, section.colour, DisplayText(section.name) + (spring ? " (spring)" : "")});
    });
}

void AddShellSections(std::vector<LegendEntry>& entries, const Model& model, const PlaneFilter& shown,
                      const std::optional<UsedNumbers>& painted)
{
    UsedNumbers used = painted ? *painted : UsedNumbers(model.ShellSections.count);
    for (std::int32_t k = 1; !painted && k <= model.Shells.count; ++k) {
        const Shell& shell = model.Shells[k];
        if (model.ShellSections.Contains(shell.section) && model.ShellSections[shell.section].shellKind == 1 &&
            shown.Joints(shell.joints))
            used.Mark(shell.section);
    }
    used.ForEach([&](std::int32_t s) {
        entries.push_back({LegendEntry::Swatch::Hatched, model.ShellSections[s].colour, DisplayText(model.ShellSections[s].name)});
    });
}

// Class c holds the values whose position in the range rounds to c sixths.
void AddResultClasses(std::vector<LegendEntry>& entries, const Model& model, const ViewState& view)
{
    const double low = view.HingeMin, range = view.HingeMax - view.HingeMin;
    const auto at = [&](double sixths) { return QString::number(low + range * sixths / 6, 'g', 3); };
    entries.push_back({LegendEntry::Swatch::None, 0, QStringLiteral("Section results")});
    for (int c = 1; c <= 6; ++c) {
        const QString text = c == 1   ? QStringLiteral("below %1").arg(at(1.5))
                             : c == 6 ? QStringLiteral("above %1").arg(at(5.5))
                                      : QStringLiteral("%1 to %2").arg(at(c - 0.5), at(c + 0.5));
        entries.push_back({LegendEntry::Swatch::Square, model.SectionPalette[static_cast<std::size_t>(10 + c)], text});
    }
}

void AddLoads(std::vector<LegendEntry>& entries, const Model& model, const ViewState& view,
              const std::optional<PointLoadKinds>& painted)
{
    const std::string* name = ShownCaseName(model, view.LoadCaseShown);
    if (!name)
        return;
    entries.push_back({LegendEntry::Swatch::None, 0, QStringLiteral("Load case ") + DisplayText(*name)});
    if (view.LoadDisplay == LoadStyle::Arrows && view.LoadTypeShown == kShowPointForces) {
        PointLoadKinds kinds = painted.value_or(PointLoadKinds{});
        for (std::int32_t k = 1; !painted && k <= model.Loads.count; ++k)
            if (model.Loads[k].loadType == kJointForce && CaseNameOf(model, model.Loads[k]) == *name)
                kinds.Add(model.Loads[k]);
        if (kinds.forces)
            entries.push_back({LegendEntry::Swatch::Line, kForceArrowColour, QStringLiteral("Point force")});
        if (kinds.moments)
            entries.push_back({LegendEntry::Swatch::Line, kMomentArrowColour, QStringLiteral("Point moment")});
    }
    if (view.LoadDisplay == LoadStyle::Arrows && view.LoadTypeShown == kShowElementLoads)
        entries.push_back({LegendEntry::Swatch::Line, kLineLoadArrowColour, QStringLiteral("Distributed load")});
    entries.push_back({LegendEntry::Swatch::None, 0, LoadUnitsOf(model.Units).legend});
}

} // namespace

std::vector<LegendEntry> LegendEntries(const Model& model, const ViewState& view, const PlaneFilter& shown,
                                       const PaintedUse& painted)
{
    std::vector<LegendEntry> entries;
    const LayerSwitches& on = view.LayerFlags;
    if (on.ShowSupports)
        AddSupports(entries, model, shown, painted.supportKinds);
    if (on.ShowFrames || on.ShowReleases)
        AddFrameSections(entries, model, shown, painted.frameSections);
    if (on.ShowShells)
        AddShellSections(entries, model, shown, painted.shellSections);
    if (on.ShowHingeCircles)
        AddResultClasses(entries, model, view);
    if (view.LoadCaseShown != 0 && view.LoadTypeShown != kShowNoLoadType)
        AddLoads(entries, model, view, painted.pointLoads);
    return entries;
}

void PaintLegend(Canvas& canvas, const std::vector<LegendEntry>& entries, ViewArea area)
{
    if (entries.empty())
        return;
    canvas.SetFontSize(kLegendPoints);
    canvas.SetFontColour(RgbColour(0, 0, 0));
    const int rowsThatFit = std::max(1, (area.height - 2 * kPadding - 20) / kRowHeight);
    const bool cut = static_cast<int>(entries.size()) > rowsThatFit;
    const std::size_t rows = cut ? static_cast<std::size_t>(rowsThatFit - 1) : entries.size();
    const QString more = QStringLiteral("... and %1 more").arg(entries.size() - rows);
    int textWidth = cut ? canvas.TextWidth(more) : 0;
    for (std::size_t k = 0; k < rows; ++k)
        textWidth = std::max(textWidth, canvas.TextWidth(entries[k].text));
    const int width = kPadding * 3 + kSwatch + textWidth;
    const int height = kPadding * 2 + kRowHeight * static_cast<int>(rows + (cut ? 1 : 0));
    const int left = area.width - width - 8, top = 8;

    canvas.SetPenStyle(PenStyle::Solid);
    canvas.SetPenWidth(1);
    canvas.SetPenColour(RgbColour(128, 128, 128));
    canvas.SetBrushStyle(BrushStyle::Solid);
    canvas.SetBrushColour(RgbColour(255, 255, 255));
    canvas.Rectangle(left, top, left + width, top + height);
    const int swatchX = left + kPadding, textX = swatchX + kSwatch + kPadding;
    for (std::size_t k = 0; k < rows; ++k) {
        const LegendEntry& entry = entries[k];
        const int y = top + kPadding + kRowHeight * static_cast<int>(k);
        const int swatchY = y + (kRowHeight - kSwatch) / 2;
        switch (entry.swatch) {
        case LegendEntry::Swatch::None:
            break;
        case LegendEntry::Swatch::Square:
        case LegendEntry::Swatch::Hatched:
            canvas.SetPenStyle(PenStyle::Solid);
            canvas.SetPenColour(RgbColour(0, 0, 0));
            canvas.SetBrushColour(entry.colour);
            canvas.SetBrushStyle(entry.swatch == LegendEntry::Swatch::Square ? BrushStyle::Solid : BrushStyle::DiagonalCross);
            canvas.Rectangle(swatchX, swatchY, swatchX + kSwatch, swatchY + kSwatch);
            break;
        case LegendEntry::Swatch::Line:
            canvas.SetPenStyle(PenStyle::Solid);
            canvas.SetPenWidth(3);
            canvas.SetPenColour(entry.colour);
            canvas.Line(swatchX, swatchY + kSwatch / 2, swatchX + kSwatch + 1, swatchY + kSwatch / 2);
            canvas.SetPenWidth(1);
            break;
        }
        canvas.SetBrushStyle(BrushStyle::Clear);
        canvas.TextOut(entry.swatch == LegendEntry::Swatch::None ? swatchX : textX, y, entry.text);
    }
    if (cut) {
        canvas.SetBrushStyle(BrushStyle::Clear);
        canvas.TextOut(swatchX, top + kPadding + kRowHeight * static_cast<int>(rows), more);
    }
}

} // namespace mirelo
