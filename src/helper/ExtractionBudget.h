#pragma once

#include <QtGlobal>

#include <atomic>

// What one document may cost the helper: the bytes it may expand from its
// archive members (a zip bomb is cut short here), and the cancel flag that
// the helper raises when the document has taken too long. Readers ask it
// between pieces of work and give up as soon as it says no.
class ExtractionBudget
{
public:
    static constexpr qint64 kMaxExpandedBytes = 256ll * 1024 * 1024;
    // Expanded bytes per compressed byte beyond which a member is taken for
    // a bomb. Text and XML stay far below; runs of zeros reach about 1000.
    static constexpr qint64 kMaxRatio = 200;
    // A member may expand this much before its ratio is looked at, so small
    // highly repetitive members pass.
    static constexpr qint64 kRatioGrace = 1024 * 1024;

    explicit ExtractionBudget(const std::atomic<bool> *cancel, qint64 maxExpandedBytes = kMaxExpandedBytes)
        : m_cancel(cancel), m_left(maxExpandedBytes)
    {
    }

    bool canceled() const { return m_cancel && m_cancel->load(std::memory_order_relaxed); }
    // Counts 'bytes' more of expanded data; false once the cap is passed.
    bool spend(qint64 bytes)
    {
        m_left -= bytes;
        return m_left >= 0;
    }
    // False when 'expanded' bytes from 'compressed' ones look like a bomb.
    static bool ratioAllowed(qint64 expanded, qint64 compressed)
    {
        return expanded <= kRatioGrace || expanded <= kMaxRatio * qMax<qint64>(compressed, 1);
    }

private:
    const std::atomic<bool> *m_cancel;
    qint64 m_left;
};
