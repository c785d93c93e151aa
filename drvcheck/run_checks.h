// Every check in its order, with the later ones skipped when an earlier one leaves
// nothing to check.
#pragma once
#include "check_result.h"
#include "driver_api.h"

#include <functional>

class WatchedDriver;

// Told of each result as soon as it is known, and of the watched driver while the
// run lasts (null afterwards), whose CurrentCall tells where a crash happened.
struct CheckObserver {
    std::function<void(const CheckResult&)> onResult;
    std::function<void(const WatchedDriver*)> onDriver;
};

std::vector<CheckResult> RunAllChecks(const DriverApi& api, const CheckObserver& observer = CheckObserver());
