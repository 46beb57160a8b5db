// The one header through which hosts, tests and tools use the instrument logic.
#pragma once

#include "lcd/lcd.h"
#include "measurement/measurement.h"
#include "runtime/hooks.h"
#include "runtime/host.h"
#include "runtime/state.h"
#include "screens/screens.h"
