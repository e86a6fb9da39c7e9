#pragma once
// The statistics and number-text library of the program, in one include.

#include "statvex/conversions.h"
#include "statvex/number_text.h"
#include "statvex/statistics.h"
