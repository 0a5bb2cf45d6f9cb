#include "store/types/type_list.h"

#include "res/artwork.h"
#include "store/types/image_list_stream.h"
#include "store/text/no_case.h"
#include "store/types/predefined_types.h"

#include <algorithm>
#include <numeric>

namespace zm {

TypeList::TypeList() {
    undefined_.smallIcon = ProgramIcon(kIconUndefinedType, kSmallIconSize);
    undefined_.largeIcon = ProgramIcon(kIconUndefinedType, kLargeIconSize);
}

int TypeList::findType(std::string_view name) const {
    for (size_t i = 0; i < types_.size(); ++i)
        if (NoCaseEqual(types_[i].Name, name)) return static_cast<int>(i);
    return -1;
}

const EventType* TypeList::typeAt(int index) const {
    return valid(index) ? &types_[static_cast<size_t>(index)] : nullptr;
}

EventType* TypeList::typeAt(int index) {
    return valid(index) ? &types_[static_cast<size_t>(index)] : nullptr;
}

uint32_t TypeList::typeColour(int index) const {
    return valid(index) ? types_[index].Colour : undefined_.Colour;
}

uint32_t TypeList::typeSound(int index) const {
    return valid(index) ? types_[index].Sound : undefined_.Sound;
}

uint32_t TypeList::typeSoundPause(int index) const {
    return valid(index) ? types_[index].SoundPause : undefined_.SoundPause;
}

const std::string& TypeList::typeSoundFile(int index) const {
    return valid(index) ? types_[index].SoundFile : undefined_.SoundFile;
}

const IconImage& TypeList::typeSmallIcon(int index) const {
    return valid(index) ? small_[index] : undefined_.smallIcon;
}

const IconImage& TypeList::typeLargeIcon(int index) const {
    return valid(index) ? large_[index] : undefined_.largeIcon;
}

bool TypeList::addType(EventType type, const IconImage& smallIcon, const IconImage& largeIcon) {
    if (types_.size() >= kMaxTypes) return false;
    types_.push_back(std::move(type));
    small_.push_back(FitIcon(smallIcon, kSmallIconSize));
    large_.push_back(FitIcon(largeIcon, kLargeIconSize));
    return true;
}

void TypeList::setTypeIcons(int index, const IconImage& smallIcon, const IconImage& largeIcon) {
    if (!valid(index)) return;
    small_[index] = FitIcon(smallIcon, kSmallIconSize);
    large_[index] = FitIcon(largeIcon, kLargeIconSize);
}

void TypeList::removeType(int index) {
    if (!valid(index)) return;
    const std::string name = types_[index].Name;
    types_.erase(types_.begin() + index);
    small_.erase(small_.begin() + index);
    large_.erase(large_.begin() + index);
    for (TypeFilter& f : filters_)
        std::erase_if(f.TypeNames, [&](const std::string& n) { return NoCaseEqual(n, name); });
}

void TypeList::renameType(int index, const std::string& newName) {
    if (!valid(index)) return;
    const std::string oldName = types_[index].Name;
    types_[index].Name = newName;
    for (TypeFilter& f : filters_)
        for (std::string& n : f.TypeNames)
            if (NoCaseEqual(n, oldName)) n = newName;
}

void TypeList::sortByName() {
    std::vector<size_t> order(types_.size());
    std::iota(order.begin(), order.end(), size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
        return NoCaseLess(types_[a].Name, types_[b].Name);
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

void TypeList::clearTypes() {
    types_.clear();
    small_.clear();
    large_.clear();
}

void TypeList::createPredefined() {
    clearTypes();
    filters_.clear();
    activeFilter_.clear();
    activeOptions_ = kFilterShowAccepted;
    for (size_t i = 0; i < kPredefinedTypeCount; ++i)
        addType(MakePredefinedType(i, systemColours),
                PredefinedTypeIcon(static_cast<int>(i), kSmallIconSize),
                PredefinedTypeIcon(static_cast<int>(i), kLargeIconSize));
}

size_t TypeList::restorePredefined() {
    size_t added = 0;
    for (size_t i = 0; i < kPredefinedTypeCount; ++i) {
        if (findType(kPredefinedTypes[i].name) >= 0) continue;
        if (types_.size() >= kMaxTypes) break;
        addType(RestoredPredefinedType(i, systemColours),
                PredefinedTypeIcon(static_cast<int>(i), kSmallIconSize),
                PredefinedTypeIcon(static_cast<int>(i), kLargeIconSize));
        ++added;
    }
    sortByName();
    return added;
}

bool TypeList::selectFilter(std::string_view name) {
    for (EventType& t : types_)
        t.Flags &= ~kTypeInFilter;
    activeFilter_.clear();
    activeOptions_ = kFilterShowAccepted;
    if (name.empty()) return false;
    const auto it = std::find_if(filters_.begin(), filters_.end(),
                                 [&](const TypeFilter& f) { return NoCaseEqual(f.Name, name); });
    if (it == filters_.end()) return false;
    for (const std::string& typeName : it->TypeNames) {
        const int index = findType(typeName);
        if (index >= 0) types_[index].Flags |= kTypeInFilter;
    }
    activeFilter_ = it->Name;
    activeOptions_ = it->Options;
    return true;
}

void TypeList::setFilterMembership(std::string_view typeName, const std::vector<bool>& chosen) {
    for (size_t i = 0; i < filters_.size() && i < chosen.size(); ++i) {
        std::vector<std::string>& names = filters_[i].TypeNames;
        const auto it = std::find_if(names.begin(), names.end(), [&](const std::string& n) {
            return NoCaseEqual(n, typeName);
        });
        if (chosen[i] && it == names.end()) names.emplace_back(typeName);
        if (!chosen[i] && it != names.end()) names.erase(it);
    }
}

void TypeList::assign(std::vector<EventType> types, std::vector<IconImage> small,
                      std::vector<IconImage> large, std::vector<TypeFilter> filters) {
    types_ = std::move(types);
    small_ = std::move(small);
    large_ = std::move(large);
    filters_ = std::move(filters);
    activeFilter_.clear();
    activeOptions_ = kFilterShowAccepted;
}

} // namespace zm
