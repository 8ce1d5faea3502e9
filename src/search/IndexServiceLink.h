#pragma once

#include <QObject>
#include <QString>

class IndexServiceWatcher;
class ServiceIndexSearcher;
struct ServiceState;

// Keeps a ServiceIndexSearcher in step with the index service a watcher
// hears, and tells its owner of each change of phase: loading, ready,
// updating, or away. The searcher belongs to the caller and must outlive
// this object. GUI thread only.
class IndexServiceLink : public QObject
{
    Q_OBJECT
public:
    enum Phase { Unknown, Loading, Ready, Updating, Unavailable };

    IndexServiceLink(ServiceIndexSearcher *searcher, const QString &socketPath, QObject *parent = nullptr);
    ~IndexServiceLink() override;

    void start();
    Phase phase() const { return m_phase; }
    // Why the service is away, while it is.
    QString unavailableReason() const { return m_reason; }
    // It is away because it speaks another version of the protocol.
    bool isOtherVersion() const { return m_otherVersion; }

signals:
    void phaseChanged(IndexServiceLink::Phase phase);

private slots:
    void onStateChanged(const ServiceState &state);
    void onUnavailable(const QString &why, bool otherVersion);

private:
    void setPhase(Phase phase);

    ServiceIndexSearcher *m_searcher;
    IndexServiceWatcher *m_watcher;
    Phase m_phase = Unknown;
    QString m_reason;
    bool m_otherVersion = false;
};
