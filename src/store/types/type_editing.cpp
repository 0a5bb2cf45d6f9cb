#include "store/types/type_editing.h"

#include "model/amount_choices.h"
#include "res/strings.h"
#include "store/types/name_checks.h"

namespace zm {
namespace {

// The amount of a choice box, or the message of its failure.
int ReadAmount(int selected, const std::string& text, bool withZero, TimeAmount& amount) {
    const AmountChoiceResult read = ReadAmountChoice(selected, text, withZero);
    if (read.code == kAmountTooLarge) return IDS_DURATION_TOO_LARGE;
    if (read.code != kAmountOk) return IDS_DURATION_NOT_VALID;
    amount = read.amount;
    return 0;
}

bool ValidClockTime(uint32_t time) {
    return (time >> 16) < 24 && (time & 0xFFFF) < 60;
}

} // namespace

TypeCheck CheckTypeEntry(const TypeList& list, int editedIndex, const TypeEntry& entry,
                         EventType& type) {
    EventType result = type;
    if (const int m = CheckTypeName(list, editedIndex, entry.name, result.name); m != 0)
        return {m, TypeField::Name};
    if (entry.fixedStartTime) {
        if (!entry.startTime || !ValidClockTime(*entry.startTime))
            return {IDS_TIME_NOT_VALID, TypeField::StartTime};
        result.startTime = *entry.startTime;
    }
    if (const int m =
            ReadAmount(entry.remindSelected, entry.remindText, kRemindAllowsZero, result.advance);
        m != 0)
        return {m, TypeField::Remind};
    if (const int m = ReadAmount(entry.durationSelected, entry.durationText, kDurationAllowsZero,
                                 result.duration);
        m != 0)
        return {m, TypeField::Duration};
    uint32_t flags = 0;
    if (entry.fixedStartTime) flags |= kTypeFixedStartTime;
    if (entry.customFont) flags |= kTypeCustomFont;
    if (entry.customColours) flags |= kTypeCustomColours;
    if (entry.yearly) flags |= kTypeYearly;
    if (entry.skipWhenOver) flags |= kTypeSkipWhenOver;
    result.flags = flags;
    type = std::move(result);
    return {};
}

int CommitTypeEdit(TypeList& list, int index, TypeEdit edit, const IconImage& newSmallIcon,
                   const IconImage& newLargeIcon) {
    const std::string name = edit.type.name;
    if (EventType* stored = list.TypeAt(index)) {
        if (stored->name != name) list.RenameType(index, name);
        *stored = std::move(edit.type);
        if (edit.smallIcon && edit.largeIcon)
            list.SetTypeIcons(index, *edit.smallIcon, *edit.largeIcon);
    } else {
        const bool added = list.AddType(std::move(edit.type), edit.smallIcon.value_or(newSmallIcon),
                                        edit.largeIcon.value_or(newLargeIcon));
        if (!added) return -1;
    }
    if (edit.filters) list.SetFilterMembership(name, *edit.filters);
    list.SortByName();
    return list.FindType(name);
}

} // namespace zm
