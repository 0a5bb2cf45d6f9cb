#include "ui/properties/event_properties.h"

#include "model/event_record.h"
#include "ui/common/window_context.h"

namespace zm {

// Until the sheet lands.
void ShowEventProperties(WindowContext&, const EventRecord&, QWidget*) {}

} // namespace zm
