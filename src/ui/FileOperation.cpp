#include "ui/FileOperation.h"

#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QProgressDialog>
#include <QThread>
#include <QTimer>

#include <memory>

namespace {

// How long an operation runs before its progress dialog appears; quicker
// ones finish without a dialog flashing up.
const int kDialogDelayMs = 400;
const int kProgressIntervalMs = 100;

// Holds back user input to every window but the progress dialog while the
// operation runs: the rows it works on must not be sorted, closed or
// deleted a second time meanwhile.
class InputHold : public QObject
{
public:
    explicit InputHold(QProgressDialog *dialog)
        : m_dialog(dialog)
    {
        qApp->installEventFilter(this);
    }
    ~InputHold() override { qApp->removeEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::Wheel:
        case QEvent::Close:
        case QEvent::ContextMenu:
            break;
        default:
            return false;
        }
        auto *widget = qobject_cast<QWidget *>(watched);
        return !(widget && m_dialog && (widget == m_dialog || m_dialog->isAncestorOf(widget)));
    }

private:
    QPointer<QProgressDialog> m_dialog;
};

// What the worker shares with the GUI thread. Results are read only after
// the worker has finished.
struct Progress
{
    std::atomic_bool canceled{false};
    std::atomic_int done{0};
    QStringList removed;
    QList<FileOperation::Failure> failures;
};

} // namespace

FileOperation::FileOperation(QWidget *owner, const QString &label, Step step)
    : m_owner(owner)
    , m_label(label)
    , m_step(std::move(step))
{
}

QStringList FileOperation::run(const QStringList &paths)
{
    m_failures.clear();
    m_canceled = false;
    if (paths.isEmpty())
        return {};
    auto progress = std::make_shared<Progress>();
    std::unique_ptr<QThread> worker(QThread::create([progress, paths, step = m_step] {
        for (const QString &path : paths) {
            if (progress->canceled)
                break;
            if (step(path, progress->canceled, &progress->failures))
                progress->removed.append(path);
            ++progress->done;
        }
    }));

    QProgressDialog dialog(m_label, tr("Cancel"), 0, paths.size(), m_owner);
    dialog.setWindowModality(Qt::WindowModal);
    dialog.setMinimumDuration(kDialogDelayMs);
    dialog.setAutoClose(false);
    dialog.setAutoReset(false);
    QObject::connect(&dialog, &QProgressDialog::canceled, [progress] { progress->canceled = true; });
    InputHold hold(&dialog);
    QTimer ticker;
    ticker.setInterval(kProgressIntervalMs);
    QObject::connect(&ticker, &QTimer::timeout, [&] { dialog.setValue(progress->done); });
    QEventLoop loop;
    QObject::connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit);
    worker->start();
    ticker.start();
    // setValue() starts the dialog's clock for minimumDuration.
    dialog.setValue(0);
    loop.exec();
    worker->wait();

    m_failures = progress->failures;
    m_canceled = progress->canceled;
    return progress->removed;
}
