#include "store/types/type_list.h"

#include "res/artwork.h"
#include "store/text/no_case.h"
#include "store/types/image_list_stream.h"
#include "store/types/predefined_types.h"

#include <algorithm>
#include <numeric>

namespace zm {

TypeList::TypeList() {
    undefined_.smallIcon = ProgramIcon(kIconUndefinedType, kSmallIconSize);
    undefined_.largeIcon = ProgramIcon(kIconUndefinedType, kLargeIconSize);
}

int TypeList::FindType(std::string_view name) const {
    for (size_t i = 0; i < types_.size(); ++i)
        if (NoCaseEqual(types_[i].name, name)) return static_cast<int>(i);
    return -1;
}

const EventType* TypeList::TypeAt(int index) const {
    return Valid(index) ? &types_[static_cast<size_t>(index)] : nullptr;
}

EventType* TypeList::TypeAt(int index) {
    return Valid(index) ? &types_[static_cast<size_t>(index)] : nullptr;
}

uint32_t TypeList::TypeColour(int index) const {
    return Valid(index) ? types_[index].colour : undefined_.colour;
}

uint32_t TypeList::TypeSound(int index) const {
    return Valid(index) ? types_[index].sound : undefined_.sound;
}

uint32_t TypeList::TypeSoundPause(int index) const {
    return Valid(index) ? types_[index].soundPause : undefined_.soundPause;
}

const std::string& TypeList::TypeSoundFile(int index) const {
    return Valid(index) ? types_[index].soundFile : undefined_.soundFile;
}

const IconImage& TypeList::TypeSmallIcon(int index) const {
    return Valid(index) ? small_[index] : undefined_.smallIcon;
}

const IconImage& TypeList::TypeLargeIcon(int index) const {
    return Valid(index) ? large_[index] : undefined_.largeIcon;
}

bool TypeList::AddType(EventType type, const IconImage& smallIcon, const IconImage& largeIcon) {
    if (types_.size() >= kMaxTypes) return false;
    types_.push_back(std::move(type));
    small_.push_back(FitIcon(smallIcon, kSmallIconSize));
    large_.push_back(FitIcon(largeIcon, kLargeIconSize));
    return true;
}

void TypeList::SetTypeIcons(int index, const IconImage& smallIcon, const IconImage& largeIcon) {
    if (!Valid(index)) return;
    small_[index] = FitIcon(smallIcon, kSmallIconSize);
    large_[index] = FitIcon(largeIcon, kLargeIconSize);
}

void TypeList::RemoveType(int index) {
    if (!Valid(index)) return;
    const std::string name = types_[index].name;
    types_.erase(types_.begin() + index);
    small_.erase(small_.begin() + index);
    large_.erase(large_.begin() + index);
    for (TypeFilter& f : filters_)
        std::erase_if(f.typeNames, [&](const std::string& n) { return NoCaseEqual(n, name); });
}

void TypeList::RenameType(int index, const std::string& newName) {
    if (!Valid(index)) return;
    const std::string oldName = types_[index].name;
    types_[index].name = newName;
    for (TypeFilter& f : filters_)
        for (std::string& n : f.typeNames)
            if (NoCaseEqual(n, oldName)) n = newName;
}

void TypeList::SortByName() {
    std::vector<size_t> order(types_.size());
    std::iota(order.begin(), order.end(), size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
        return NoCaseLess(types_[a].name, types_[b].name);
    });
    std::vector<EventType> types;
    std::vector<IconImage> small, large;
    types.reserve(order.size());
    small.reserve(order.size());
    large.reserve(order.size());
    for (size_t i : order) {
        types.push_back(std::move(types_[i]));
        small.push_back(std::move(small_[i]));
        large.push_back(std::move(large_[i]));
    }
    types_ = std::move(types);
    small_ = std::move(small);
    large_ = std::move(large);
}

void TypeList::ClearTypes() {
    types_.clear();
    small_.clear();
    large_.clear();
}

void TypeList::CreatePredefined() {
    ClearTypes();
    filters_.clear();
    activeFilter_.clear();
    activeOptions_ = kFilterShowAccepted;
    for (size_t i = 0; i < kPredefinedTypeCount; ++i)
        AddType(MakePredefinedType(i, systemColours),
                PredefinedTypeIcon(static_cast<int>(i), kSmallIconSize),
                PredefinedTypeIcon(static_cast<int>(i), kLargeIconSize));
}

size_t TypeList::RestorePredefined() {
    size_t added = 0;
    for (size_t i = 0; i < kPredefinedTypeCount; ++i) {
        if (FindType(kPredefinedTypes[i].name) >= 0) continue;
        if (types_.size() >= kMaxTypes) break;
        AddType(RestoredPredefinedType(i, systemColours),
                PredefinedTypeIcon(static_cast<int>(i), kSmallIconSize),
                PredefinedTypeIcon(static_cast<int>(i), kLargeIconSize));
        ++added;
    }
    SortByName();
    return added;
}

bool TypeList::SelectFilter(std::string_view wanted) {
    // The name may be the active filter's own (selecting it again after the filters changed).
    const std::string name(wanted);
    for (EventType& t : types_)
        t.flags &= ~kTypeInFilter;
    activeFilter_.clear();
    activeOptions_ = kFilterShowAccepted;
    if (name.empty()) return false;
    const auto it = std::find_if(filters_.begin(), filters_.end(),
                                 [&](const TypeFilter& f) { return NoCaseEqual(f.name, name); });
    if (it == filters_.end()) return false;
    for (const std::string& typeName : it->typeNames) {
        const int index = FindType(typeName);
        if (index >= 0) types_[index].flags |= kTypeInFilter;
    }
    activeFilter_ = it->name;
    activeOptions_ = it->options;
    return true;
}

void TypeList::SetFilterMembership(std::string_view typeName, const std::vector<bool>& chosen) {
    for (size_t i = 0; i < filters_.size() && i < chosen.size(); ++i) {
        std::vector<std::string>& names = filters_[i].typeNames;
        const auto it = std::find_if(names.begin(), names.end(), [&](const std::string& n) {
            return NoCaseEqual(n, typeName);
        });
        if (chosen[i] && it == names.end()) names.emplace_back(typeName);
        if (!chosen[i] && it != names.end()) names.erase(it);
    }
}

void TypeList::Assign(std::vector<EventType> types, std::vector<IconImage> small,
                      std::vector<IconImage> large, std::vector<TypeFilter> filters) {
    types_ = std::move(types);
    small_ = std::move(small);
    large_ = std::move(large);
    filters_ = std::move(filters);
    activeFilter_.clear();
    activeOptions_ = kFilterShowAccepted;
}

} // namespace zm
