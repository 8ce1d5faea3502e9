#pragma once

// What the window benchmarks share: the resident memory of the process, and
// a search timed from Return to the final rows in the window and in the
// engine alone.
#include "query/FileSearchRequest.h"
#include "query/FileSearchResults.h"
#include "search/FileSearcher.h"
#include "ui/FileTable.h"
#include "ui/FileTableModel.h"
#include "ui/InstantToolBar.h"
#include "ui/MainWindow.h"
#include "ui/RichComboBox.h"
#include "ui/TabPage.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>
#include <malloc.h>
#include <memory>
#include <unistd.h>
#include <vector>

// Freed memory the allocator still keeps is handed back first, so the figure
// is what is really held.
inline double residentMiB()
{
    malloc_trim(0);
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.value(1).toDouble() * sysconf(_SC_PAGESIZE) / (1024.0 * 1024.0);
}

// Return in the instant toolbar; milliseconds until the tab shows its final
// rows in their order.
inline qint64 windowSearch(MainWindow &window, const QString &name, int *rows)
{
    QLineEdit *field = window.instantToolBar()->nameComboBox()->lineEdit();
    field->setText(name);
    TabPage *tab = window.currentTab();
    // The status is set last, once the final rows are in the table.
    QSignalSpy status(tab, &TabPage::statusTextChanged);
    QElapsedTimer clock;
    clock.start();
    QTest::keyClick(field, Qt::Key_Return);
    while (tab->state() != TabPage::Finished && status.wait(600000)) {
    }
    // Many rows are put in order on another thread after the search.
    QSignalSpy sorted(tab->table()->model(), &QAbstractItemModel::modelReset);
    while (tab->table()->isSorting() && sorted.wait(600000)) {
    }
    const qint64 elapsed = clock.elapsed();
    *rows = tab->table()->model()->rowCount();
    return elapsed;
}

inline qint64 engineSearch(FileSearcher &searcher, const QString &name, int *count)
{
    auto request = std::make_shared<FileSearchRequest>();
    request->name = name;
    auto results = std::make_shared<FileSearchResults>();
    QSignalSpy finished(&searcher, &FileSearcher::findFinished);
    QElapsedTimer clock;
    clock.start();
    searcher.find(request, results);
    finished.wait(600000);
    *count = results->count();
    return clock.elapsed();
}

inline qint64 median(std::vector<qint64> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

