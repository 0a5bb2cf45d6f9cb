#pragma once
// The event types of the program: the user's types in name order with their icons at 16 and
// 32 pixels, the undefined type that stands in for unknown type names, and the filters.
// Events refer to a type by name; its position in the list is the event's type index, and
// index -1 means the undefined type throughout.

#include "res/icon_image.h"
#include "store/types/event_type.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zm {

class TypeList {
public:
    TypeList();

    // --- the types ---
    size_t TypeCount() const { return types_.size(); }
    const std::vector<EventType>& Types() const { return types_; }
    // Index of the first type whose name equals `name` without regard to letter case, or -1.
    int FindType(std::string_view name) const;
    // The type, or null for -1 or an index beyond the list.
    const EventType* TypeAt(int index) const;
    EventType* TypeAt(int index);

    // The value of the type, or of the undefined type for -1 (or an index beyond the list).
    uint32_t TypeColour(int index) const;
    uint32_t TypeSound(int index) const;
    uint32_t TypeSoundPause(int index) const;
    const std::string& TypeSoundFile(int index) const;
    const IconImage& TypeSmallIcon(int index) const;
    const IconImage& TypeLargeIcon(int index) const;

    const std::vector<IconImage>& SmallIcons() const { return small_; }
    const std::vector<IconImage>& LargeIcons() const { return large_; }

    // Appends a type with its icons (scaled to 16 and 32 pixels when they differ). False when
    // the list already holds kMaxTypes types.
    bool AddType(EventType type, const IconImage& smallIcon, const IconImage& largeIcon);
    // Replaces the icons of a type.
    void SetTypeIcons(int index, const IconImage& smallIcon, const IconImage& largeIcon);
    // Removes the type and its icons; its name leaves every filter (all entries equal to it
    // without regard to letter case).
    void RemoveType(int index);
    // Gives the type a new name; every filter entry equal to the old name (without regard to
    // letter case) takes the new name. Stored events keep the old name.
    void RenameType(int index, const std::string& newName);
    // Sorts the types with their icons by name without regard to letter case.
    void SortByName();
    // Removes every type and icon (the filters stay).
    void ClearTypes();

    // Discards the types and filters and creates the eleven predefined types with their icons.
    void CreatePredefined();
    // "Restore predefined types": adds, in table order, each predefined type whose name is
    // missing, stopping when the list holds kMaxTypes types; then sorts by name. Returns how
    // many were added.
    size_t RestorePredefined();

    // --- the undefined type ---
    const UndefinedType& UndefinedEntry() const { return undefined_; }
    UndefinedType& UndefinedEntry() { return undefined_; }

    // --- filters ---
    const std::vector<TypeFilter>& Filters() const { return filters_; }
    std::vector<TypeFilter>& Filters() { return filters_; }
    // Makes the named filter active: InFilter is cleared on every type and set on each type
    // the filter lists (names not found are ignored), and the filter's option word is taken.
    // An unknown or empty name leaves no filter active (option word 1). False in that case.
    bool SelectFilter(std::string_view name);
    const std::string& ActiveFilterName() const { return activeFilter_; }
    uint32_t ActiveFilterOptions() const { return activeOptions_; }
    // The type editor's "Filters...": the chosen filters list `typeName` (added when missing),
    // the others lose their first entry equal to it (without regard to letter case).
    // `chosen` has one flag per filter.
    void SetFilterMembership(std::string_view typeName, const std::vector<bool>& chosen);

    // The colours new types take for their reminder window.
    SystemColours systemColours;

    // Replaces types, icons and filters at once (the loader). The vectors must be of equal size.
    void Assign(std::vector<EventType> types, std::vector<IconImage> small,
                std::vector<IconImage> large, std::vector<TypeFilter> filters);

private:
    bool Valid(int index) const { return index >= 0 && static_cast<size_t>(index) < types_.size(); }

    std::vector<EventType> types_;
    std::vector<IconImage> small_;
    std::vector<IconImage> large_;
    UndefinedType undefined_;
    std::vector<TypeFilter> filters_;
    std::string activeFilter_;
    uint32_t activeOptions_ = kFilterShowAccepted;
};

} // namespace zm
