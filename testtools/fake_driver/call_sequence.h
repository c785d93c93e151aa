// Expected driver call sequences written as tables, compared with what the fake
// driver recorded; a mismatch gives a dump of both sequences side by side.
#pragma once
#include "fake_driver.h"

#include <string>
#include <vector>

namespace fake_driver {

const int32_t kAny = INT32_MIN; // an argument or result that is not compared

struct ExpectedCall {
    Call call;
    int32_t nResult = kAny; // compared unless kAny
    int32_t nArg = kAny;    // HomeCarriage's argument, compared unless kAny
    int nMin = 1;           // how many of these calls in a row
    int nMax = 1;
};

// Helpers for table rows.
inline ExpectedCall Times(Call call, int n) { return {call, kAny, kAny, n, n}; }
inline ExpectedCall Optional(Call call) { return {call, kAny, kAny, 0, 1}; }
inline ExpectedCall AnyNumber(Call call) { return {call, kAny, kAny, 0, INT32_MAX}; }

// Empty when the recorded calls, leaving out the kinds in ignore, match the table;
// otherwise the first mismatch and both sequences in full.
std::string CompareCalls(const std::vector<ExpectedCall>& expected, const std::vector<CallRecord>& recorded,
                         const std::vector<Call>& ignore = {});

// The same against everything the fake driver has recorded since its Reset.
std::string CompareCalls(const std::vector<ExpectedCall>& expected, const std::vector<Call>& ignore = {});

} // namespace fake_driver
