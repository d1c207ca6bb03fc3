#pragma once

// The window code's way to the name decoding, which the drawing shares.
#include "view/DisplayText.h"
