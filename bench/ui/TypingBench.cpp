// Search as you type in the window on a ready index, as a person types: words
// entered a key at a time into the instant toolbar's field, one key every
// INTERVAL ms. For each key, the time until the table shows rows of that
// text or of a later one (a key typed while a search runs is answered by the
// newer search): the first rows, and all of them in their order; and the
// longest stall of the event loop while typing, seen by a precise timer that
// should fire every 4 ms.
// The index is the service's on TALVENQUIST_INDEX_SOCKET (typing_on_service.sh
// starts one over every local volume).
// Usage: TypingBench [--interval MS] [--rounds N] WORD...
#include "base/DataPaths.h"
#include "base/MetaTypes.h"
#include "base/Settings.h"
#include "WindowBenchSupport.h"

#include <QApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLabel>
#include <QTimer>

#include <cmath>

static QTextStream out(stdout);

namespace {

// Gaps between the ticks of a timer asked to fire every kTickMs: what a gap
// has beyond that is time the event loop could not answer anything.
class StallWatch : public QObject
{
public:
    static constexpr int kTickMs = 4;

    StallWatch()
    {
        m_timer.setTimerType(Qt::PreciseTimer);
        m_timer.setInterval(kTickMs);
        connect(&m_timer, &QTimer::timeout, this, [this] {
            const qint64 now = m_clock.nsecsElapsed();
            const double stallMs = (now - m_last) / 1e6 - kTickMs;
            m_last = now;
            m_longest = std::max(m_longest, stallMs);
            if (stallMs > 16)
                ++m_over16;
        });
    }

    void start()
    {
        m_clock.start();
        m_last = 0;
        m_timer.start();
    }
    void stop() { m_timer.stop(); }
    double longestMs() const { return m_longest; }
    int over16() const { return m_over16; }

private:
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_last = 0;
    double m_longest = 0;
    int m_over16 = 0;
};

// Types the words and times each key to the rows that answer it.
class Typist : public QObject
{
public:
    Typist(MainWindow &window, QStringList words, int intervalMs)
        : m_window(window)
        , m_field(window.instantToolBar()->nameComboBox()->lineEdit())
        , m_words(std::move(words))
    {
        m_keyTimer.setObjectName(QStringLiteral("keyTimer"));
        m_keyTimer.setInterval(intervalMs);
        connect(&m_keyTimer, &QTimer::timeout, this, &Typist::typeNextKey);
        connect(window.instantToolBar(), &InstantToolBar::startSearch, this,
                [this] {
                    m_searchStartedAtKey = int(m_keyTimes.size()) - 1;
                    m_finishShown = false;
                });
    }

    // Types every word once; returns false when a search never answered.
    bool run(StallWatch &stalls)
    {
        m_tab = m_window.currentTab();
        // Finished, and the rows in their order: a large set is sorted on
        // another thread after the search and reset once in the new order.
        QAbstractItemModel *model = m_tab->table()->model();
        const QList<QMetaObject::Connection> watching{
            connect(m_tab, &TabPage::searchEnded, this,
                    [this] {
                        // The rows before this are not in order.
                        m_finishShown = true;
                        onRowsChanged();
                    }),
            connect(model, &QAbstractItemModel::modelReset, this, &Typist::onRowsChanged),
            connect(model, &QAbstractItemModel::rowsInserted, this, &Typist::onRowsChanged)};
        bool answered = true;
        for (const QString &word : qAsConst(m_words)) {
            m_field->clear();
            m_field->setFocus();
            m_word = word;
            m_next = 0;
            m_firstOfWord = int(m_keyTimes.size());
            stalls.start();
            m_keyTimer.start();
            // Typing ends, then the last key's rows arrive. Waited for in an
            // event loop of its own, as the window's: QTest::qWaitFor sleeps
            // 10 ms between its passes over the events, which delayed every
            // hand-over from another thread (rows found, search ended, rows
            // sorted) by up to that much and showed the sleeps as stalls.
            QEventLoop waiting;
            QTimer giveUp;
            giveUp.setSingleShot(true);
            connect(&giveUp, &QTimer::timeout, &waiting, [&waiting] { waiting.exit(1); });
            giveUp.start(60000);
            m_waiting = &waiting;
            answered = (typedAndAnswered() || waiting.exec() == 0) && answered;
            m_waiting = nullptr;
            stalls.stop();
            m_answered = m_firstRowsAnswered = int(m_keyTimes.size());
            out << "  " << word << ": first rows";
            for (size_t key = size_t(m_firstOfWord); key < m_firstRows.size(); ++key)
                out << " " << qRound(m_firstRows[key]);
            out << " ms; all rows";
            for (size_t key = size_t(m_firstOfWord); key < m_latencies.size(); ++key)
                out << " " << qRound(m_latencies[key]);
            out << " ms; " << m_tab->table()->model()->rowCount() << " rows\n";
        }
        for (const QMetaObject::Connection &connection : watching)
            disconnect(connection);
        return answered;
    }

    const std::vector<double> &latencies() const { return m_latencies; }
    const std::vector<double> &firstRows() const { return m_firstRows; }

private:
    bool typedAndAnswered() const { return m_answered == int(m_keyTimes.size()) && !m_keyTimer.isActive(); }

    void quitWhenDone()
    {
        if (m_waiting && typedAndAnswered())
            m_waiting->quit();
    }

    void typeNextKey()
    {
        if (m_next >= m_word.size()) {
            m_keyTimer.stop();
            quitWhenDone();
            return;
        }
        m_keyTimes.push_back(m_clock.isValid() ? m_clock.nsecsElapsed() : (m_clock.start(), 0));
        // Sent as the platform would, without the test library's pauses.
        const QString text = m_word.mid(m_next++, 1);
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, text);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, text);
        QApplication::sendEvent(m_field, &press);
        QApplication::sendEvent(m_field, &release);
        if (m_next >= m_word.size())
            m_keyTimer.stop();
        quitWhenDone();
    }

    // The table shows rows of the latest search started (or that it found
    // none): every key up to the one that started it has its first rows;
    // once that search is finished and sorted, all of them.
    void onRowsChanged()
    {
        // Idle: a search dropped for the next key, whose rows are not yet on show.
        if (m_searchStartedAtKey < m_firstOfWord || m_tab->state() == TabPage::Idle || !m_tab->showsSearchRows())
            return;
        const qint64 now = m_clock.nsecsElapsed();
        const bool finished = m_tab->state() == TabPage::Finished;
        if (finished || m_tab->table()->model()->rowCount() > 0) {
            for (; m_firstRowsAnswered <= m_searchStartedAtKey; ++m_firstRowsAnswered)
                m_firstRows.push_back((now - m_keyTimes[m_firstRowsAnswered]) / 1e6);
        }
        if (!finished || !m_finishShown || m_tab->table()->isSorting())
            return;
        for (; m_answered <= m_searchStartedAtKey; ++m_answered)
            m_latencies.push_back((now - m_keyTimes[m_answered]) / 1e6);
        quitWhenDone();
    }

    MainWindow &m_window;
    QLineEdit *m_field;
    QStringList m_words;
    TabPage *m_tab = nullptr;
    QTimer m_keyTimer;
    QEventLoop *m_waiting = nullptr;
    QElapsedTimer m_clock;
    QString m_word;
    int m_next = 0;
    int m_firstOfWord = 0;
    int m_answered = 0;
    int m_firstRowsAnswered = 0;
    int m_searchStartedAtKey = -1;
    bool m_finishShown = false;
    std::vector<qint64> m_keyTimes;
    std::vector<double> m_latencies;
    std::vector<double> m_firstRows;
};

// The application that also times each event it delivers (outermost only),
// so that a stall can be named: the longest events while typing, with what
// received them.
class TimedApplication : public QApplication
{
public:
    using QApplication::QApplication;
    // Half a frame: what a stall is made of.
    static constexpr double kNotedMs = 8;

    bool notify(QObject *receiver, QEvent *event) override
    {
        if (!m_timing || m_depth > 0)
            return QApplication::notify(receiver, event);
        ++m_depth;
        QElapsedTimer clock;
        clock.start();
        const int type = event->type();
        const QString who = QString::fromLatin1(receiver->metaObject()->className()) + QLatin1Char(' ')
            + receiver->objectName();
        const bool result = QApplication::notify(receiver, event);
        --m_depth;
        const double ms = clock.nsecsElapsed() / 1e6;
        if (ms > kNotedMs)
            m_longest.push_back({ms, QStringLiteral("%1 (event %2)").arg(who).arg(type)});
        return result;
    }

    void setTiming(bool on) { m_timing = on; }

    // The `count` longest, longest first.
    QStringList longest(int count)
    {
        std::sort(m_longest.begin(), m_longest.end(), [](const auto &a, const auto &b) { return a.first > b.first; });
        QStringList lines;
        for (int i = 0; i < count && i < int(m_longest.size()); ++i)
            lines << QStringLiteral("%1 ms %2").arg(m_longest[std::size_t(i)].first, 0, 'f', 1).arg(m_longest[std::size_t(i)].second);
        return lines;
    }

private:
    bool m_timing = false;
    int m_depth = 0;
    std::vector<std::pair<double, QString>> m_longest;
};

double percentile(std::vector<double> values, double p)
{
    std::sort(values.begin(), values.end());
    const size_t at = std::min(values.size() - 1, size_t(std::ceil(p * values.size())) - 1);
    return values[at];
}

} // namespace

int main(int argc, char *argv[])
{
    TimedApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    int interval = 120;
    int rounds = 3;
    while (args.size() >= 2 && args.first().startsWith(QLatin1String("--"))) {
        const QString option = args.takeFirst();
        (option == QLatin1String("--interval") ? interval : rounds) = args.takeFirst().toInt();
    }
    if (args.isEmpty())
        args << QStringLiteral("readme") << QStringLiteral("config") << QStringLiteral("libstdc")
             << QStringLiteral("makefile") << QStringLiteral("python3") << QStringLiteral("index.html");
    Settings::instance(DataPaths::settingsFilePath());
    Settings::instance()->setValue(Settings::SearchAsYouType, true);
    registerMetaTypes();

    MainWindow window({QStringLiteral("talvenquist")}, FileSearcher::UseIndexService);
    window.show();
    auto *label = window.findChild<QLabel *>(QStringLiteral("indexLabel"));
    if (!QTest::qWaitFor([&] { return label->text() == QLatin1String("Index: ready"); }, 600000)) {
        out << "the index service did not become ready: " << label->text() << "\n";
        return 1;
    }
    // The index's size, as the window sees it: every name.
    int records = 0;
    windowSearch(window, QString(), &records);

    StallWatch stalls;
    Typist typist(window, args, interval);
    app.setTiming(true);
    for (int round = 0; round < rounds; ++round) {
        if (!typist.run(stalls)) {
            out << "a typed search was never answered\n";
            return 1;
        }
    }
    const auto summary = [](const std::vector<double> &latencies) {
        QString text;
        QTextStream(&text) << "median " << percentile(latencies, 0.5) << " ms, 95th percentile "
                           << percentile(latencies, 0.95) << " ms, longest " << percentile(latencies, 1.0) << " ms";
        return text;
    };
    out << "typing " << args.join(QLatin1Char(' ')) << " (" << rounds << " rounds, a key every " << interval
        << " ms) over " << records << " indexed names: " << typist.latencies().size() << " keys\n"
        << "key to first rows: " << summary(typist.firstRows()) << " (target: 95th at most 100 ms)\n"
        << "key to all rows in order: " << summary(typist.latencies()) << "\n"
        << "event loop while typing: longest stall " << stalls.longestMs() << " ms, " << stalls.over16()
        << " stalls over 16 ms (target: none)\n";
    const QStringList longest = app.longest(5);
    if (!longest.isEmpty())
        out << "longest events while typing (over 8 ms):\n  " << longest.join(QStringLiteral("\n  ")) << "\n";
    out.flush();
    return 0;
}
