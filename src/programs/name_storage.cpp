#include "programs/name_storage.h"

#include <algorithm>

namespace ovis {

void NameStorage::Add(std::string_view name) {
    auto at = std::lower_bound(entries_.begin(), entries_.end(), name);
    if (at == entries_.end() || *at != name) at = entries_.insert(at, std::string(name));
    chosen_ = std::size_t(at - entries_.begin());
}

void NameStorage::Clear() {
    entries_.clear();
    chosen_.reset();
}

void NameStorage::Choose(std::size_t index) {
    if (index < entries_.size()) chosen_ = index;
}

}  // namespace ovis
