#include "gui/common/ColourChooser.h"

#include "model/Model.h"

#include <QColorDialog>

namespace mirelo {

std::optional<std::int32_t> DialogColourChooser::ChooseColour(std::int32_t current)
{
    const QColor start(current & 0xFF, (current >> 8) & 0xFF, (current >> 16) & 0xFF);
    const QColor chosen = QColorDialog::getColor(start, parent_);
    if (!chosen.isValid())
        return std::nullopt;
    return RgbColour(chosen.red(), chosen.green(), chosen.blue());
}

} // namespace mirelo
