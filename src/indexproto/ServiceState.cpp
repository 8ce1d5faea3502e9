#include "indexproto/ServiceState.h"

#include "indexproto/MessageReader.h"
#include "indexproto/MessageWriter.h"

namespace {

void writeKeys(MessageWriter &out, const QList<QChar> &keys)
{
    out.u32(quint32(keys.size()));
    for (QChar key : keys)
        out.u16(key.unicode());
}

QList<QChar> readKeys(MessageReader &in)
{
    QList<QChar> keys;
    const quint32 n = in.count(/*minElementSize=*/2);
    for (quint32 i = 0; i < n && in.ok(); ++i)
        keys.append(QChar(in.u16()));
    return keys;
}

void writeSettings(MessageWriter &out, const IndexingSettings &settings)
{
    writeKeys(out, settings.indexDrives);
    writeKeys(out, settings.noIndexDrives);
    out.u8(settings.autoAddFixed);
    out.u8(settings.autoAddRemovable);
    out.u32(quint32(settings.excludePaths.size()));
    for (const QString &path : settings.excludePaths)
        out.bytes(path.toUtf8());
}

IndexingSettings readSettings(MessageReader &in)
{
    IndexingSettings settings;
    settings.indexDrives = readKeys(in);
    settings.noIndexDrives = readKeys(in);
    settings.autoAddFixed = in.u8() != 0;
    settings.autoAddRemovable = in.u8() != 0;
    const quint32 n = in.count(/*minElementSize=*/4);
    for (quint32 i = 0; i < n && in.ok(); ++i)
        settings.excludePaths.append(QString::fromUtf8(in.bytes()));
    return settings;
}

} // namespace

bool ServiceState::covers(const QByteArray &mountPoint) const
{
    for (const Volume &volume : volumes) {
        if (volume.mountPoint == mountPoint)
            return true;
    }
    return false;
}

QByteArray ServiceState::encode() const
{
    MessageWriter out;
    out.u8(phase);
    out.u32(quint32(volumes.size()));
    for (const Volume &volume : volumes) {
        out.u16(volume.key.unicode());
        out.bytes(volume.mountPoint);
        out.u64(volume.objects);
    }
    writeSettings(out, settings);
    return out.take();
}

std::optional<ServiceState> ServiceState::decode(const QByteArray &body)
{
    MessageReader in(body);
    ServiceState state;
    const quint8 phase = in.u8();
    const quint32 n = in.count(/*minElementSize=*/14);
    for (quint32 i = 0; i < n && in.ok(); ++i) {
        Volume volume;
        volume.key = QChar(in.u16());
        volume.mountPoint = in.bytes();
        volume.objects = in.u64();
        state.volumes.append(volume);
    }
    state.settings = readSettings(in);
    if (!in.complete() || phase > Updating)
        return std::nullopt;
    state.phase = Phase(phase);
    return state;
}

QByteArray ServiceState::encodeSettings(const IndexingSettings &settings)
{
    MessageWriter out;
    writeSettings(out, settings);
    return out.take();
}

std::optional<IndexingSettings> ServiceState::decodeSettings(const QByteArray &body)
{
    MessageReader in(body);
    IndexingSettings settings = readSettings(in);
    if (!in.complete())
        return std::nullopt;
    return settings;
}
