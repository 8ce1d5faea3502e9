#pragma once

#include "query/MatchOptions.h"

#include <QByteArray>
#include <QStringList>
#include <QVector>

#include <atomic>
#include <functional>
#include <utility>

class QIODevice;

// Decides on a file's raw bytes, before anything is decoded, which terms of
// an expression may occur in it. Most files searched hold none of the terms,
// and decoding every line to UTF-16 to learn so was most of the cost of a
// content search.
//
// Each term gets the longest run of characters that every occurrence of it
// must contain and that can only come from the same ASCII bytes in the
// file: no other character folds onto them (as the Kelvin sign folds onto
// "k"). A term without such a run may occur anywhere. The answer is a
// necessary condition only: a term reported present may still not match
// (another case, a broken word, a byte inside a multi-byte character); one
// reported absent cannot be found by the matcher.
//
// Holds no state between files; one per search and thread or per file.
class ContentPrefilter
{
public:
    // Small enough that a block is still in the cache when it is scanned
    // after the kernel copied it in; larger blocks measured slower.
    static constexpr int kBlockSize = 1 << 16;
    // Runs are cut to this many bytes: a part of a run is required too, and
    // the bytes kept between blocks stay few.
    static constexpr int kLongestRun = 256;

    // Reads the next bytes into `buffer`, at most `capacity`: the number
    // read, 0 at the end, -1 on error.
    using ReadFunction = std::function<qint64(char *buffer, qint64 capacity)>;

    ContentPrefilter(const QStringList &terms, const MatchOptions &options);

    // Whether any term has a run: otherwise nothing can be ruled out.
    bool useful() const { return m_anyLiteral; }

    // Whether text in `codecName` (empty for the locale's codec) starting
    // with `head` decodes each ASCII byte to itself and no other byte to an
    // ASCII character, as the content reader would decode it.
    static bool readsAsAscii(const QString &codecName, const QByteArray &head);
    static bool readsAsAscii(const QString &codecName, const char *head, int size);

    // The found-term mask of the terms that may occur in the bytes of
    // `device`, read from its start in blocks; the terms without a run are
    // always in it. Stops early once every term may occur, and when
    // `cancel` is set (the answer is then every term).
    quint32 scan(QIODevice *device, const std::atomic<bool> *cancel) const;
    // Called with a block after the first in which a term was first found:
    // the buffer holds `kept` bytes from the end of the block before, then
    // the new ones, `size` in all. True ends the scan, as decided.
    using BlockVisitor = std::function<bool(const char *buffer, qsizetype size, qsizetype kept)>;
    // scan() of the bytes already in `buffer` (`held` of them, from the
    // start of the text) and the rest that `read` gives. `buffer` is the
    // thread's (see threadBuffer()). When `visit` ends the scan, the answer
    // is every term.
    quint32 scan(char *buffer, qsizetype held, const ReadFunction &read, const std::atomic<bool> *cancel,
                 const BlockVisitor &visit = nullptr) const;

    // This thread's block buffer, kBlockSize + kLongestRun bytes, kept for
    // the thread's life and never cleared: a fresh megabyte per file cost
    // more than scanning a small one.
    static char *threadBuffer();
    // Fills `buffer` from `read` until `size` bytes are held or the text
    // ends; answers the bytes held (at least `held`).
    static qsizetype fill(char *buffer, qsizetype held, qsizetype size, const ReadFunction &read);

    // Where the run of term `i` first occurs in `data` at or after `from`;
    // -1 when nowhere or when the term has no run.
    qsizetype indexOf(int term, const char *data, qsizetype size, qsizetype from) const;
    // The terms whose runs occur in `data`, beside those in `known`, which
    // are not looked for again.
    quint32 scanBlock(const char *data, qsizetype size, quint32 known = 0) const;

    // The longest run that every match of a regular expression (QRegExp
    // syntax) must contain literally; empty when none is known.
    static QString requiredRegexText(const QString &pattern);

private:
    QByteArray literalFor(const QString &term) const;
    static std::pair<int, int> rarestPair(const QByteArray &literal, const QByteArray &masks);

    QVector<QByteArray> m_literals; // per term
    QVector<QByteArray> m_masks;    // per term and byte: 0x20 where either case of a letter matches
    QVector<std::pair<int, int>> m_rare; // per term: the positions of its two rarest bytes
    quint32 m_unconditional = 0;
    quint32 m_all = 0;
    bool m_caseSensitive = false;
    bool m_anyLiteral = false;
};
