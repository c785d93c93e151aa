// The two clock timers of the main dialog carry the numbers of the fields they refresh.
#pragma once
#include "resource.h"

const unsigned kWarmupTimerId = IDC_WARMUP_TIME;   // 1013
const unsigned kElapsedTimerId = IDC_ELAPSED_TIME; // 1018
const unsigned kClockPeriodMs = 1000;
