#pragma once
// Every live value a poll cycle read, named as the front ends show them: the
// same names and JSON object wherever the values leave the program.

#include "base/Printout.h"
#include "machines/operate/OperateValues.h"

// Adds the values; a sleeping tuner shows only its power status. The extra
// frequencies appear from the firmware version that has them.
void AddOperateValues(CPrintout& out, const COperateValues& values, unsigned short mcuVersion);
// What a memorize stores: band, antenna and the relays.
void AddMemorizedValues(CPrintout& out, const COperateValues& values);
