// Matching a table of expected calls, with repeats, against the recorded calls.
#include "call_sequence.h"

#include <algorithm>
#include <sstream>

namespace fake_driver {
namespace {
bool Matches(const ExpectedCall& e, const CallRecord& r)
{
    return e.call == r.call && (e.nResult == kAny || e.nResult == r.nResult) && (e.nArg == kAny || e.nArg == r.nArg);
}

std::string Describe(const ExpectedCall& e)
{
    std::ostringstream s;
    s << CallName(e.call);
    if (e.nArg != kAny)
        s << "(" << e.nArg << ")";
    if (e.nResult != kAny)
        s << " -> " << e.nResult;
    if (e.nMin != 1 || e.nMax != 1) {
        s << " x" << e.nMin;
        if (e.nMax != e.nMin)
            s << ".." << (e.nMax == INT32_MAX ? std::string("n") : std::to_string(e.nMax));
    }
    return s.str();
}

std::string Describe(const CallRecord& r)
{
    std::ostringstream s;
    s << CallName(r.call);
    if (r.call == Call::HomeCarriage)
        s << "(" << r.nArg << ")";
    s << " -> " << r.nResult;
    return s.str();
}
} // namespace

std::string CompareCalls(const std::vector<ExpectedCall>& expected, const std::vector<CallRecord>& recorded,
                         const std::vector<Call>& ignore)
{
    std::vector<CallRecord> calls;
    for (const CallRecord& r : recorded)
        if (std::find(ignore.begin(), ignore.end(), r.call) == ignore.end())
            calls.push_back(r);

    // Each row takes as many matching calls in a row as it may (greedy).
    size_t nCall = 0, nRow = 0;
    std::string strProblem;
    for (; nRow < expected.size(); ++nRow) {
        const ExpectedCall& e = expected[nRow];
        int nTaken = 0;
        while (nTaken < e.nMax && nCall < calls.size() && Matches(e, calls[nCall])) {
            ++nTaken;
            ++nCall;
        }
        if (nTaken < e.nMin) {
            std::ostringstream s;
            s << "row " << nRow << " (" << Describe(e) << ") matched " << nTaken << " call(s); call " << nCall
              << " is " << (nCall < calls.size() ? Describe(calls[nCall]) : std::string("missing"));
            strProblem = s.str();
            break;
        }
    }
    if (strProblem.empty() && nCall < calls.size())
        strProblem = "unexpected call " + std::to_string(nCall) + ": " + Describe(calls[nCall]);
    if (strProblem.empty())
        return std::string();

    // Runs of one call with one result show as one line, so a scan's lines stay readable.
    std::vector<std::string> runs;
    for (size_t i = 0; i < calls.size();) {
        size_t j = i + 1;
        while (j < calls.size() && Describe(calls[j]) == Describe(calls[i]))
            ++j;
        runs.push_back(Describe(calls[i]) + (j - i > 1 ? " x" + std::to_string(j - i) : std::string()));
        i = j;
    }
    std::ostringstream dump;
    dump << strProblem << "\n";
    dump << "  expected                                 | recorded\n";
    for (size_t i = 0; i < std::max(expected.size(), runs.size()); ++i) {
        std::string strLeft = i < expected.size() ? Describe(expected[i]) : std::string();
        strLeft.resize(std::max<size_t>(strLeft.size(), 40), ' ');
        dump << "  " << strLeft << " | " << (i < runs.size() ? runs[i] : std::string()) << "\n";
    }
    return dump.str();
}

std::string CompareCalls(const std::vector<ExpectedCall>& expected, const std::vector<Call>& ignore)
{
    return CompareCalls(expected, FakeDriver::Get().Calls(), ignore);
}

} // namespace fake_driver
