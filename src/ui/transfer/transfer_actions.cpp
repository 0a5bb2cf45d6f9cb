#include "ui/transfer/transfer_actions.h"

#include "store/import_export.h"
#include "ui/common/user_boxes.h"
#include "ui/common/window_context.h"

namespace zm {

TransferOutcome PerformTransfer(WindowContext& context, StoreFileSystem& files,
                                const TransferChoices& c, const TransferEvents& events) {
    EventStore& store = context.store;
    BusyScope busy(store);
    const TransferKindInfo& kind = c.Kind();
    TransferOutcome out;
    if (!c.import) {
        const std::vector<uint16_t>& keys = c.selectionOnly ? events.selected : events.all;
        TransferResult r;
        if (kind.text) {
            TextExportOptions o;
            o.separator = kind.separator;
            o.dos = kind.dos;
            o.oemCodePage = c.oemCodePage;
            o.locale = context.formats.Locale();
            r = ExportText(store, files, c.path, keys, o);
        } else {
            r = ExportEventFile(store, files, c.path, keys);
        }
        out.code = r.code;
        out.problem = r.problem;
        return out;
    }
    if (!kind.text) {
        out.code = ImportEventFile(store, c.path, c.duplicates);
        return out;
    }
    TextImportOptions o;
    o.separator = kind.separator;
    o.dos = kind.dos;
    o.oemCodePage = c.oemCodePage;
    o.headerLine = c.headerLine;
    o.duplicateMode = c.duplicates;
    o.week = store.Week();
    o.rules.bindings = c.bindings;
    o.rules.dateOrder = c.dateOrder;
    o.rules.locale = context.formats.Locale();
    o.rules.defaults = c.defaults;
    const TypeList& types = context.types;
    o.rules.findType = [&types](const std::string& name) { return types.FindType(name); };
    TextImportResult r = ImportText(store, files, context.settings, c.path, std::move(o));
    out.code = r.code;
    out.problem = r.problem;
    out.textImport = true;
    out.imported = r.imported;
    out.log = std::move(r.log);
    out.unlogged = r.unlogged;
    return out;
}

void TellTransferOutcome(UserBoxes& boxes, QWidget* owner, const TransferOutcome& outcome,
                         const std::function<void(const ImportLog&)>& showLog) {
    if (outcome.problem)
        boxes.Tell(owner, QString::fromStdString(outcome.problem.Message()), BoxIcon::Error);
    if (outcome.code != LibraryResult::Ok) boxes.ReportLibraryError(owner, outcome.code);
    if (!outcome.textImport || static_cast<uint32_t>(outcome.code) > 9) return;
    // The log keeps its first entries and counts the rest: both are records with errors.
    const int logEntries = static_cast<int>(outcome.log.size());
    const QString summary =
        QString::fromStdString(ImportSummary(outcome.imported, logEntries + outcome.unlogged));
    if (!ImportOffersLog(logEntries)) return boxes.Tell(owner, summary, BoxIcon::Information);
    if (boxes.AskYesNo(owner, summary, BoxIcon::Question) && showLog) showLog(outcome.log);
}

} // namespace zm
