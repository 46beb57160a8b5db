#include "firmware/firmware.h"

// Zero-initialised at program start: every number 0, every pixel off, no screen.
InstrumentState state;
