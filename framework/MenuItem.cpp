#include "MenuItem.h"

#include <stdexcept>

void MenuItem::Append(std::unique_ptr<MenuItem> item) {
    if (!item) {
        throw std::invalid_argument("MenuItem::Append: no item");
    }
    items_.push_back(std::move(item));
}

MenuItem* MenuItem::Child(const std::string& name) const {
    for (const auto& item : items_) {
        if (item->Name() == name) {
            return item.get();
        }
    }
    return nullptr;
}

MenuItem* MenuItem::Item(int index) const {
    if (index < 0 || index >= Count()) {
        return nullptr;
    }
    return items_[static_cast<std::size_t>(index)].get();
}
