#include "gui/common/UnitLabels.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

namespace mirelo {

QWidget* UnitLabels::Beside(QLineEdit* box, Quantity quantity)
{
    auto* row = new QWidget(box->parentWidget());
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    box->setParent(row);
    row->setFocusProxy(box); // a caption's buddy gives the box the focus
    layout->addWidget(box, 1);
    if (quantity != Quantity::Number) {
        auto* unit = new QLabel(row);
        unit->setObjectName(box->objectName() + QStringLiteral("Unit"));
        unit->setMinimumWidth(unit->fontMetrics().horizontalAdvance(QStringLiteral("kN/m²")));
        layout->addWidget(unit);
        labels_.emplace_back(unit, quantity);
    }
    return row;
}

void UnitLabels::Show(const ModelUnits& units) const
{
    for (const auto& [label, quantity] : labels_)
        label->setText(QString::fromStdString(QuantityUnit(quantity, units)));
}

} // namespace mirelo
