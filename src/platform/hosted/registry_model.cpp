#include "platform/hosted/registry_model.h"

#include <algorithm>

#include "platform/hosted/machine.h"

namespace nw::hosted::registry {
namespace {

template <class Keys>
auto LowerBound(Keys& keys, std::u16string_view name) {
    return std::lower_bound(keys.begin(), keys.end(), name, [](const std::shared_ptr<Key>& key, std::u16string_view n) {
        return CompareNoCase(key->Name(), n) < 0;
    });
}

}  // namespace

std::size_t FoldedHash::operator()(std::u16string_view name) const noexcept {
    std::uint64_t hash = 14695981039346656037ull;
    for (char16_t c : name) {
        hash ^= FoldCase(c);
        hash *= 1099511628211ull;
    }
    return static_cast<std::size_t>(hash);
}

bool FoldedEqual::operator()(std::u16string_view a, std::u16string_view b) const noexcept {
    return EqualNoCase(a, b);
}

// One comparison per step, stopping at the equal name: no second pass to
// tell a match from the insertion point.
const std::shared_ptr<Key>* Key::FindSubkeyEntry(std::u16string_view name) const {
    std::size_t low = 0;
    std::size_t high = subkeys_.size();
    while (low < high) {
        const std::size_t middle = low + (high - low) / 2;
        const int order = CompareNoCase(subkeys_[middle]->name_, name);
        if (order == 0) return &subkeys_[middle];
        if (order < 0)
            low = middle + 1;
        else
            high = middle;
    }
    return nullptr;
}

Key* Key::FindSubkey(std::u16string_view name) const {
    const auto* entry = FindSubkeyEntry(name);
    return entry != nullptr ? entry->get() : nullptr;
}

std::shared_ptr<Key> Key::SharedSubkey(std::u16string_view name) const {
    const auto* entry = FindSubkeyEntry(name);
    return entry != nullptr ? *entry : nullptr;
}

Key& Key::AddSubkey(std::u16string name, bool isVolatile) {
    auto child = std::make_shared<Key>(std::move(name), isVolatile);
    child->parent_ = this;
    auto it = LowerBound(subkeys_, child->name_);
    return **subkeys_.insert(it, std::move(child));
}

void Key::AdoptSubkey(std::shared_ptr<Key> child) {
    child->parent_ = this;
    auto it = LowerBound(subkeys_, child->name_);
    if (it != subkeys_.end() && EqualNoCase((*it)->Name(), child->name_)) {
        (*it)->MarkDeleted();
        *it = std::move(child);
    } else {
        subkeys_.insert(it, std::move(child));
    }
}

void Key::RemoveSubkey(std::u16string_view name) {
    auto it = LowerBound(subkeys_, name);
    if (it == subkeys_.end() || !EqualNoCase((*it)->Name(), name)) return;
    (*it)->MarkDeleted();
    subkeys_.erase(it);
}

bool Key::RemoveVolatileSubkeys() {
    bool removed = false;
    for (auto it = subkeys_.begin(); it != subkeys_.end();) {
        if ((*it)->volatile_) {
            (*it)->MarkDeleted();
            it = subkeys_.erase(it);
            removed = true;
        } else {
            removed = (*it)->RemoveVolatileSubkeys() || removed;
            ++it;
        }
    }
    return removed;
}

void Key::MarkDeleted() {
    deleted_ = true;
    parent_ = nullptr;
    for (auto& child : subkeys_) child->MarkDeleted();
    subkeys_.clear();
}

const Value* Key::FindValue(std::u16string_view name) const {
    auto it = valueIndex_.find(name);
    return it == valueIndex_.end() ? nullptr : &values_[it->second];
}

void Key::SetValue(std::u16string_view name, std::uint32_t type, const std::uint8_t* data, std::size_t size) {
    if (auto it = valueIndex_.find(name); it != valueIndex_.end()) {
        // In place: a value set again and again keeps its buffer.
        Value& value = values_[it->second];
        value.type = type;
        value.data.assign(data, data + size);
        return;
    }
    SetValue(name, type, std::vector<std::uint8_t>(data, data + size));
}

void Key::SetValue(std::u16string_view name, std::uint32_t type, std::vector<std::uint8_t> data) {
    if (auto it = valueIndex_.find(name); it != valueIndex_.end()) {
        Value& value = values_[it->second];
        value.type = type;
        value.data = std::move(data);
        return;
    }
    values_.push_back(Value{std::u16string(name), type, std::move(data)});
    valueIndex_.emplace(values_.back().name, values_.size() - 1);
}

bool Key::DeleteValue(std::u16string_view name) {
    auto it = valueIndex_.find(name);
    if (it == valueIndex_.end()) return false;
    const std::size_t position = it->second;
    valueIndex_.erase(it);
    values_.erase(values_.begin() + static_cast<std::ptrdiff_t>(position));
    ReindexFrom(position);
    return true;
}

void Key::ReindexFrom(std::size_t position) {
    for (std::size_t i = position; i < values_.size(); ++i) valueIndex_[values_[i].name] = i;
}

std::vector<std::u16string> Key::Path() const {
    std::vector<std::u16string> path;
    PathInto(path);
    return path;
}

void Key::PathInto(std::vector<std::u16string>& path) const {
    std::size_t depth = 0;
    for (const Key* key = this; key->parent_ != nullptr; key = key->parent_) ++depth;
    path.resize(depth);
    for (const Key* key = this; key->parent_ != nullptr; key = key->parent_) path[--depth] = key->name_;
}

void Key::Reconcile(Key& fresh) {
    values_ = std::move(fresh.values_);
    valueIndex_ = std::move(fresh.valueIndex_);
    lastWrite_ = fresh.lastWrite_;

    std::vector<std::shared_ptr<Key>> merged;
    merged.reserve(fresh.subkeys_.size());
    auto mine = subkeys_.begin();
    for (auto& incoming : fresh.subkeys_) {
        while (mine != subkeys_.end() && CompareNoCase((*mine)->name_, incoming->name_) < 0) {
            (*mine)->MarkDeleted();
            ++mine;
        }
        if (mine != subkeys_.end() && EqualNoCase((*mine)->name_, incoming->name_) &&
            (*mine)->volatile_ == incoming->volatile_) {
            (*mine)->name_ = incoming->name_;
            (*mine)->Reconcile(*incoming);
            merged.push_back(std::move(*mine));
            ++mine;
        } else {
            if (mine != subkeys_.end() && EqualNoCase((*mine)->name_, incoming->name_)) {
                (*mine)->MarkDeleted();
                ++mine;
            }
            incoming->parent_ = this;
            merged.push_back(std::move(incoming));
        }
    }
    for (; mine != subkeys_.end(); ++mine) (*mine)->MarkDeleted();
    subkeys_ = std::move(merged);
}

Key* Apply(Key& root, const Change& change, bool isVolatile, std::uint64_t fileTime) {
    if (change.kind == ChangeKind::DeleteKey && change.path.empty()) return nullptr;
    Key* key = &root;
    const std::size_t walk = change.kind == ChangeKind::DeleteKey ? change.path.size() - 1 : change.path.size();
    for (std::size_t i = 0; i < walk; ++i) {
        Key* next = key->FindSubkey(change.path[i]);
        if (next == nullptr) {
            if (change.kind == ChangeKind::DeleteKey || change.kind == ChangeKind::DeleteValue) return nullptr;
            key->Touch(fileTime);
            next = &key->AddSubkey(change.path[i], isVolatile);
            next->Touch(fileTime);
        }
        key = next;
    }
    if (change.kind == ChangeKind::DeleteKey) {
        key->RemoveSubkey(change.path.back());
        key->Touch(fileTime);
        return nullptr;
    }
    return ApplyToValue(*key, change, fileTime);
}

Key* ApplyToValue(Key& key, const Change& change, std::uint64_t fileTime) {
    switch (change.kind) {
        case ChangeKind::SetValue:
            key.SetValue(change.valueName, change.type, change.data.data(), change.data.size());
            key.Touch(fileTime);
            break;
        case ChangeKind::DeleteValue:
            if (key.DeleteValue(change.valueName)) key.Touch(fileTime);
            break;
        default:
            break;
    }
    return &key;
}

}  // namespace nw::hosted::registry
