#include "ui/main/event_clipboard.h"

#include "format/locale_formats.h"
#include "model/describe.h"
#include "ui/main/transfer_records.h"

#include <QMimeData>
#include <span>

namespace zm {

QString EventsAsText(const std::vector<EventRecord>& events, ViewMode mode,
                     const LocaleFormats& formats, const LocaleNames& names) {
    QString text;
    for (const EventRecord& e : events) {
        const DateTime when = mode == ViewMode::All ? e.start : e.listOccurrence;
        text += QString::fromStdString(e.name) + '\t' +
                QString::fromStdString(formats.FormatDayDateTime(when, false)) + '\t' +
                QString::fromStdString(e.typeName) + '\t' +
                QString::fromStdString(DescribePattern(e, names)) + "\r\n";
    }
    return text;
}

QMimeData* EventsMimeData(const std::vector<EventRecord>& events, ViewMode mode,
                          const LocaleFormats& formats, const LocaleNames& names) {
    auto* data = new QMimeData;
    data->setText(EventsAsText(events, mode, formats, names));
    const std::string records = EncodeTransferRecords(events);
    data->setData(kTransferMimeType, QByteArray(records.data(), static_cast<int>(records.size())));
    return data;
}

bool HoldsEvents(const QMimeData* data) {
    return data && data->hasFormat(kTransferMimeType);
}

LibraryResult ReadEvents(const QMimeData* data, std::vector<EventRecord>& events) {
    events.clear();
    if (!HoldsEvents(data)) return LibraryResult::Reserved2;
    const QByteArray bytes = data->data(kTransferMimeType);
    return DecodeTransferRecords(
        std::span(reinterpret_cast<const uint8_t*>(bytes.constData()), size_t(bytes.size())),
        events);
}

} // namespace zm
