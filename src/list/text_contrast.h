#pragma once
// The list reads type colours and keeps its texts readable through the colour-contrast rule.

#include "format/colour_contrast.h"
