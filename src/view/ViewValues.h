#pragma once

#include "model/Model.h"
#include "session/ViewState.h"

#include <map>
#include <string>

namespace mirelo {

// The view a project keeps, by the ViewState field names: the camera, the
// shown plane, the layer switches, the load and result display. The mouse
// mode, a drag and the selection are left out: they belong to the moment.
std::map<std::string, double> CaptureViewValues(const ViewState& view);

// Sets the view from kept values. A value outside its field's range (a load
// case the model lacks, a scale that is not positive) and a name this program
// does not know leave the field as it is.
void ApplyViewValues(const std::map<std::string, double>& values, const Model& model, ViewState& view);

} // namespace mirelo
