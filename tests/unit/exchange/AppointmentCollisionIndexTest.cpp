#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "exchange/AppointmentCollisionIndex.h"

namespace orvane {
namespace {

struct Span {
    PimDateTime start;
    PimDateTime end;
};

bool BruteContains(const std::vector<Span>& spans, const PimDateTime& moment)
{
    for (const Span& s : spans) {
        if (s.start <= moment && moment <= s.end) {
            return true;
        }
    }
    return false;
}

// Values on a coarse grid around the epoch, so that shared limits, reversed spans and
// days before 30 December 1899 (whose encoding runs backwards) all turn up often.
PimDateTime RandomMoment(std::mt19937& random)
{
    std::uniform_int_distribution<int> day(-3, 3);
    std::uniform_int_distribution<int> quarter(0, 95);
    const int d = day(random);
    const double fraction = quarter(random) / 96.0;
    return PimDateTime::FromValue(d >= 0 ? d + fraction : d - fraction);
}

TEST(AppointmentCollisionIndex, AgreesWithAComparisonAgainstEverySpan)
{
    std::mt19937 random(20260309);
    for (int round = 0; round < 20; ++round) {
        AppointmentCollisionIndex index;
        std::vector<Span> spans;
        const int count = 1 + round * 15;
        for (int i = 0; i < count; ++i) {
            Span span{RandomMoment(random), RandomMoment(random)};
            if (i % 3 == 0 && span.end < span.start) {
                std::swap(span.start, span.end);
            }
            index.Add(span.start, span.end);
            spans.push_back(span);
            for (int q = 0; q < 8; ++q) {
                const PimDateTime moment = RandomMoment(random);
                ASSERT_EQ(index.Contains(moment), BruteContains(spans, moment))
                    << "round " << round << " span " << i << " moment " << moment.Value();
            }
            ASSERT_EQ(index.Contains(span.start), BruteContains(spans, span.start));
            ASSERT_EQ(index.Contains(span.end), BruteContains(spans, span.end));
        }
        EXPECT_EQ(index.Size(), spans.size());
    }
}

}  // namespace
}  // namespace orvane
