#pragma once

#include <QCoreApplication>
#include <QList>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>

class QWidget;

// One operation over a list of files (deleting, moving to the trash) run
// on a thread of its own, while the caller waits without freezing the
// windows: they keep painting, their input is held back, and after a moment
// a progress dialog with a Cancel button appears over the owner.
//
// Created, run and destroyed on the GUI thread.
class FileOperation
{
    Q_DECLARE_TR_FUNCTIONS(FileOperation)

public:
    struct Failure
    {
        QString path;
        QString reason;
    };
    // Works on one path, on the worker thread. Appends what could not be
    // done to `failures` and returns true when the path is gone. `canceled`
    // may be polled inside long steps (a folder tree).
    using Step = std::function<bool(const QString &path, const std::atomic_bool &canceled, QList<Failure> *failures)>;

    FileOperation(QWidget *owner, const QString &label, Step step);

    // Runs the step over every path, in order, until the user cancels.
    // Returns the paths that are gone.
    QStringList run(const QStringList &paths);

    const QList<Failure> &failures() const { return m_failures; }
    bool wasCanceled() const { return m_canceled; }

private:
    QPointer<QWidget> m_owner;
    QString m_label;
    Step m_step;
    QList<Failure> m_failures;
    bool m_canceled = false;
};
