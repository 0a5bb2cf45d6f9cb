#pragma once
// The list's own 16-pixel images (snoozed, accepted, recurring, disabled), drawn once, and the
// event types' small icons as pixmaps.

#include "list/row_images.h"
#include "res/icon_image.h"

#include <QPixmap>
#include <utility>
#include <vector>

namespace zm {

class TypeList;

QPixmap ListImagePixmap(ListImage image);

// The small icons of the types, made again only when a type's icon changed.
class TypeIconCache {
public:
    explicit TypeIconCache(const TypeList& types) : types_(types) {}
    // The icon of the type at `index`; the undefined type's for -1 or an index beyond the list.
    const QPixmap& Icon(int index) const;

private:
    const TypeList& types_;
    mutable std::vector<std::pair<IconImage, QPixmap>> made_; // by index + 1
};

} // namespace zm
