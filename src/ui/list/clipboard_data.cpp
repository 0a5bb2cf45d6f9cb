#include "ui/list/clipboard_data.h"

#include "list/list_clipboard.h"
#include "ui/common/window_context.h"

#include <QMimeData>
#include <span>

namespace zm {

QMimeData* MakeClipboardData(const std::vector<EventRecord>& events, const ListViewState& view,
                             const WindowContext& context) {
    auto* data = new QMimeData;
    const bool allMode = view.mode == ViewMode::All;
    data->setText(
        QString::fromStdString(CopiedText(events, allMode, context.formats, context.names)));
    const std::vector<uint8_t> bytes = EncodeTransferData(events);
    data->setData(QString::fromLatin1(kTransferFormatName),
                  QByteArray(reinterpret_cast<const char*>(bytes.data()),
                             static_cast<qsizetype>(bytes.size())));
    return data;
}

bool HoldsEvents(const QMimeData* data) {
    return data && data->hasFormat(QString::fromLatin1(kTransferFormatName));
}

ReadResult<std::vector<EventRecord>> ClipboardEvents(const QMimeData* data) {
    if (!HoldsEvents(data)) return LibraryResult::Reserved2;
    const QByteArray bytes = data->data(QString::fromLatin1(kTransferFormatName));
    return DecodeTransferData(std::span<const uint8_t>(
        reinterpret_cast<const uint8_t*>(bytes.constData()), static_cast<size_t>(bytes.size())));
}

} // namespace zm
