#include "exchange/AppointmentCollisionIndex.h"

#include <algorithm>
#include <iterator>

namespace orvane {

void AppointmentCollisionIndex::Add(const PimDateTime& start, const PimDateTime& end)
{
    std::vector<Span> carry{Span{start, end}};
    const auto byStart = [](const Span& a, const Span& b) { return a.start < b.start; };
    size_t level = 0;
    for (;; ++level) {
        if (level == m_blocks.size()) {
            m_blocks.emplace_back();
        }
        Block& block = m_blocks[level];
        if (block.spans.empty()) {
            block.spans = std::move(carry);
            Seal(block);
            break;
        }
        std::vector<Span> merged;
        merged.reserve(block.spans.size() + carry.size());
        std::merge(block.spans.begin(), block.spans.end(), carry.begin(), carry.end(),
                   std::back_inserter(merged), byStart);
        carry = std::move(merged);
        block.spans.clear();
        block.maxEnd.clear();
    }
    ++m_size;
}

void AppointmentCollisionIndex::Seal(Block& block)
{
    block.maxEnd.resize(block.spans.size());
    for (size_t i = 0; i < block.spans.size(); ++i) {
        const PimDateTime& end = block.spans[i].end;
        block.maxEnd[i] = (i > 0 && end < block.maxEnd[i - 1]) ? block.maxEnd[i - 1] : end;
    }
}

bool AppointmentCollisionIndex::Contains(const PimDateTime& moment) const
{
    for (const Block& block : m_blocks) {
        // The spans that start no later than the moment form a prefix.
        const auto after =
            std::upper_bound(block.spans.begin(), block.spans.end(), moment,
                             [](const PimDateTime& m, const Span& span) { return m < span.start; });
        const size_t count = static_cast<size_t>(after - block.spans.begin());
        if (count > 0 && !(block.maxEnd[count - 1] < moment)) {
            return true;
        }
    }
    return false;
}

}  // namespace orvane
