#pragma once

#include "common/SettingDeclaration.h"

#include <QString>

#include <functional>
#include <optional>
#include <string>
#include <vector>

class QLineEdit;

namespace mirelo {

// How a dialog shows a real setting: "%0.3E" or the 15-digit general form.
using RealFormat = std::string (*)(double);

// How a box shows a real: the digits it needs, up to six significant
// ("-43503.8"); an untouched box still stands for the exact stored value.
std::string BoxNumber(double value);

// A box that shows a real outside a SettingBoxes: ShowBoxValue shows `value`
// as BoxNumber does and keeps it exactly; BoxValue gives that exact value
// back while the user has not typed into the box, else the typed text
// converted (ConversionError when it is no number).
void ShowBoxValue(QLineEdit* box, double value);
double BoxValue(const QLineEdit* box);

// The edit boxes of a settings dialog, bound to the fields of a staging
// record. They are checked together before anything is stored: a box the
// user did not type into keeps the staged value exactly (a box may show a
// rounded form of a real), a box the user changed is converted with its
// setting's declaration. The first bad box gets the focus and the error names
// it by its caption.
class SettingBoxes {
public:
    template <typename Record>
    void Add(QLineEdit* box, Record& staged, const SettingField<Record>& field, RealFormat formatReal)
    {
        boxes_.push_back({box, field.declaration.label,
                          [&staged, field, formatReal] {
                              return field.real != nullptr ? formatReal(staged.*field.real)
                                                           : std::to_string(staged.*field.integer);
                          },
                          [&staged, field](std::string_view text) {
                              SetFromText(staged, field, text, field.declaration.label);
                          }});
    }

    // Shows every staged value in its box.
    void Show() const;

    // Converts every changed box into the staging record, in the order the
    // boxes were added. Raises Error "<caption>: <reason>" for the first bad
    // box, after giving it the focus.
    void Read() const;

    // Converts the changed boxes whose text converts and passes over the
    // others: the values of work in progress, for a picture of it.
    void ReadWhatConverts() const;

    // What the user typed: the text of each changed box, in the order the
    // boxes were added, and nothing for the others.
    using Typed = std::vector<std::optional<QString>>;
    Typed TypedTexts() const;

    // Puts typed texts back into their boxes, changed as when typed (after
    // Show, which shows the staged values in the others).
    void Retype(const Typed& typed) const;

private:
    struct Box {
        QLineEdit* edit;
        std::string_view caption;
        std::function<std::string()> show;
        std::function<void(std::string_view)> store;
    };
    std::vector<Box> boxes_;
};

} // namespace mirelo
