// The clock text rule and the warm-up field's text.
#include "clock_text.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>

TEST(ClockText, MinutesAndSecondsWithTheirSignsInside)
{
    const struct {
        int n;
        const char* text;
    } kCases[] = {
        {0, "00:00"},        {9, "00:09"},          {75, "01:15"},         {599, "09:59"},
        {600, "10:00"},      {605, "10:05"},        {609, "10:09"},        {549, "09:09"},
        {610, "10:10"},      {3600, "60:00"},       {6000, "100:00"},
        {-5, "00:0-5"},      {-60, "0-1:00"},       {-61, "0-1:0-1"},      {INT_MIN, "0-35791394:0-8"},
        {INT_MAX, "35791394:07"},
    };
    for (const auto& c : kCases) {
        char sz[kClockTextSize];
        std::memset(sz, 'X', sizeof(sz));
        FormatClockText(c.n, sz);
        EXPECT_STREQ(sz, c.text) << c.n;
    }
}

TEST(ClockText, WarmupMinusOneIsShownAsIs)
{
    const struct {
        int n;
        const char* text;
    } kCases[] = {{-1, "-1"}, {-2, "00:0-2"}, {0, "00:00"}, {605, "10:05"}};
    for (const auto& c : kCases) {
        char sz[kClockTextSize];
        FormatWarmupText(c.n, sz);
        EXPECT_STREQ(sz, c.text) << c.n;
    }
}
