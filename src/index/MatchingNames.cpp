#include "index/MatchingNames.h"

#include "base/FileNameCodec.h"
#include "index/TwoThreads.h"
#include "query/ExpressionMatcher.h"
#include "query/FileSearchRequest.h"

#include <QString>

#include <atomic>
#include <cstring>

namespace {

// Small enough that two threads end together, large enough that taking a
// piece costs nothing beside matching it.
constexpr std::size_t kPieceBytes = 64 * 1024;
// Names handed to the matcher at once.
constexpr int kBatch = 512;
// The filter in front of the table: a bit per this many names or more,
// within bounds that keep it in the cache.
constexpr std::size_t kFilterBitsPerName = 32;
constexpr unsigned kMinFilterBitsLog2 = 12;
constexpr std::size_t kMinFilterBits = std::size_t(1) << kMinFilterBitsLog2;
constexpr std::size_t kMaxFilterBits = std::size_t(1) << 23;

} // namespace

MatchingNames::MatchingNames(const std::vector<StringPool::Span> &spans, const FileSearchRequest &request,
                             bool twoThreads)
{
    const std::vector<Piece> pieces = cut(spans);
    std::atomic<std::size_t> next{0};
    std::vector<std::vector<const char *>> found(twoThreads ? 2 : 1);
    auto work = [&](std::vector<const char *> &into) {
        ExpressionMatcher matcher(request.name, request.nameMatchOptions());
        for (std::size_t i; !request.canceled && (i = next.fetch_add(1)) < pieces.size();)
            match(pieces[i], matcher, into);
    };
    runOnTwoThreads(twoThreads, [&](int lane) { work(found[std::size_t(lane)]); }, [&] { next = pieces.size(); });
    fill(found);
}

// A piece ends just after a terminator, so that no string is cut in two.
std::vector<MatchingNames::Piece> MatchingNames::cut(const std::vector<StringPool::Span> &spans)
{
    std::vector<Piece> pieces;
    for (const StringPool::Span &span : spans) {
        const char *first = span.first;
        while (first < span.last) {
            const char *last = span.last;
            if (std::size_t(span.last - first) > kPieceBytes) {
                const char *from = first + kPieceBytes - 1;
                const void *nul = std::memchr(from, 0, std::size_t(span.last - from));
                last = nul ? static_cast<const char *>(nul) + 1 : span.last;
            }
            pieces.push_back(Piece{first, last});
            first = last;
        }
    }
    return pieces;
}

void MatchingNames::match(const Piece &piece, ExpressionMatcher &matcher, std::vector<const char *> &found)
{
    QString decoded;
    std::vector<const char *> undecided;
    if (matcher.findInNames(piece.first, piece.last, found, undecided)) {
        for (const char *name : undecided) {
            FileNameCodec::decodeName(name, decoded);
            if (matcher.match(decoded) == ExpressionMatcher::Match)
                found.push_back(name);
        }
        return;
    }
    const bool bytes = matcher.hasAsciiPath();
    const char *names[kBatch];
    quint8 verdicts[kBatch];
    const char *at = piece.first;
    while (at < piece.last) {
        int count = 0;
        for (; count < kBatch && at < piece.last; ++count) {
            names[count] = at;
            at += std::strlen(at) + 1;
        }
        std::memset(verdicts, ExpressionMatcher::NotAscii, std::size_t(count));
        if (bytes)
            matcher.matchBytes(names, count, verdicts);
        for (int i = 0; i < count; ++i) {
            int verdict = verdicts[i];
            if (verdict == ExpressionMatcher::NotAscii) {
                FileNameCodec::decodeName(names[i], decoded);
                verdict = matcher.match(decoded);
            }
            if (verdict == ExpressionMatcher::Match)
                found.push_back(names[i]);
        }
    }
}

// Open addressing, at most half full: a record's look-up mostly ends at the
// first slot, and the table of a selective name stays in the cache.
void MatchingNames::fill(const std::vector<std::vector<const char *>> &found)
{
    std::size_t count = 0;
    for (const auto &names : found)
        count += names.size();
    std::size_t slots = 16;
    m_shift = 60;
    while (slots < 2 * count) {
        slots *= 2;
        --m_shift;
    }
    m_slots.assign(slots, nullptr);
    m_mask = slots - 1;
    std::size_t bits = kMinFilterBits;
    m_filterShift = 64 - kMinFilterBitsLog2;
    while (bits < kFilterBitsPerName * count && bits < kMaxFilterBits) {
        bits *= 2;
        --m_filterShift;
    }
    m_filter.assign(bits / 64, 0);
    for (const auto &names : found) {
        for (const char *name : names) {
            std::size_t slot = slotOf(name);
            while (m_slots[slot] && m_slots[slot] != name)
                slot = (slot + 1) & m_mask;
            if (!m_slots[slot]) {
                m_slots[slot] = name;
                ++m_count;
                const std::size_t bit = filterBitOf(name);
                m_filter[bit / 64] |= std::uint64_t(1) << (bit % 64);
            }
        }
    }
}
