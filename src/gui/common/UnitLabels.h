#pragma once

#include "model/Model.h"
#include "model/QuantityUnits.h"

#include <utility>
#include <vector>

class QLabel;
class QLineEdit;
class QWidget;

namespace mirelo {

// The unit beside each number box of a dialog, in the shown model's units
// ("kN/m²", "m", "m²"); shown again whenever the dialog shows a model.
class UnitLabels {
public:
    // The box with its unit label (named "<box>Unit") to its right, in a new
    // widget for the dialog's layout. A pure number gets no label.
    QWidget* Beside(QLineEdit* box, Quantity quantity);
    void Show(const ModelUnits& units) const;

private:
    std::vector<std::pair<QLabel*, Quantity>> labels_;
};

} // namespace mirelo
