#pragma once

#include <QStringList>

// Where a window's index comes from, settled at start: the index service's
// when it answers (whoever runs the window: one index per machine); else an
// index of the window's own, which needs root's rights; else none
// ("-no-elevation", or no root), and then the window keeps asking for the
// service and takes it up as soon as it answers.
class IndexSource
{
public:
    // FileSearcher flags for a window started with `arguments`;
    // `serviceAnswers` tells whether the service answered the question.
    static int choose(const QStringList &arguments, bool *serviceAnswers);
};
