// The payload of a dragged cable connector, and the check that it is this window's own.
#include "ui/game/CableConnectorDrag.h"

#include <QDataStream>
#include <QIODevice>

namespace kestrelink::ui {

namespace {

const QString kMimeType = QStringLiteral("application/x-kestrelink-cable-connector");

} // namespace

QMimeData* encodeCableConnectorDrag(quint64 windowToken, int index) {
    QByteArray payload;
    QDataStream out(&payload, QIODevice::WriteOnly);
    out << windowToken << qint32(index);
    auto* mime = new QMimeData;
    mime->setData(kMimeType, payload);
    return mime;
}

std::optional<int> decodeCableConnectorDrag(const QMimeData* mime, quint64 windowToken) {
    if (mime == nullptr || !mime->hasFormat(kMimeType))
        return std::nullopt;
    const QByteArray payload = mime->data(kMimeType);
    constexpr int kPayloadSize = int(sizeof(quint64) + sizeof(qint32));
    if (payload.size() != kPayloadSize)
        return std::nullopt;
    QDataStream in(payload);
    quint64 token = 0;
    qint32 index = -1;
    in >> token >> index;
    if (in.status() != QDataStream::Ok || token != windowToken || index < 0)
        return std::nullopt;
    return index;
}

} // namespace kestrelink::ui
