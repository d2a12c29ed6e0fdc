// Font F, the font of most controls.
#pragma once

#include "app/ScopedGdi.h"

ScopedFont CreateControlFont();
