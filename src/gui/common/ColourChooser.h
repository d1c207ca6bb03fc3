#pragma once

#include <cstdint>
#include <optional>

class QWidget;

namespace mirelo {

// Asks the user for a colour (24-bit, red in the low byte). Dialogs hold this
// interface so tests can answer without a modal dialog.
class ColourChooser {
public:
    virtual ~ColourChooser() = default;
    // The chosen colour, or nothing when the user cancels.
    virtual std::optional<std::int32_t> ChooseColour(std::int32_t current) = 0;
};

// The desktop's colour dialog.
class DialogColourChooser : public ColourChooser {
public:
    explicit DialogColourChooser(QWidget* parent) : parent_(parent) {}
    std::optional<std::int32_t> ChooseColour(std::int32_t current) override;

private:
    QWidget* parent_;
};

} // namespace mirelo
