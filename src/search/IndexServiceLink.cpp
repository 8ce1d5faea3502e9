#include "search/IndexServiceLink.h"

#include "indexproto/ServiceState.h"
#include "search/IndexServiceWatcher.h"
#include "search/ServiceIndexSearcher.h"

IndexServiceLink::IndexServiceLink(ServiceIndexSearcher *searcher, const QString &socketPath, QObject *parent)
    : QObject(parent)
    , m_searcher(searcher)
    , m_watcher(new IndexServiceWatcher(socketPath, this))
{
    qRegisterMetaType<ServiceState>();
    connect(m_watcher, &IndexServiceWatcher::stateChanged, this, &IndexServiceLink::onStateChanged);
    connect(m_watcher, &IndexServiceWatcher::unavailable, this, &IndexServiceLink::onUnavailable);
}

IndexServiceLink::~IndexServiceLink() = default;

void IndexServiceLink::start()
{
    m_watcher->start();
}

void IndexServiceLink::onStateChanged(const ServiceState &state)
{
    m_searcher->setState(state);
    m_searcher->setAvailable(true);
    m_reason.clear();
    m_otherVersion = false;
    switch (state.phase) {
    case ServiceState::Loading:
        setPhase(Loading);
        break;
    case ServiceState::Ready:
        setPhase(Ready);
        break;
    case ServiceState::Updating:
        setPhase(Updating);
        break;
    }
}

void IndexServiceLink::onUnavailable(const QString &why, bool otherVersion)
{
    m_searcher->setAvailable(false);
    m_reason = why;
    m_otherVersion = otherVersion;
    setPhase(Unavailable);
}

void IndexServiceLink::setPhase(Phase phase)
{
    if (phase == m_phase)
        return;
    m_phase = phase;
    emit phaseChanged(phase);
}
