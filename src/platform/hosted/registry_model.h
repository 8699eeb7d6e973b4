// The in-memory tree of one registry hive: keys with case-insensitive,
// case-preserving names kept in sorted order, values in creation order with
// their exact type and bytes, and the changes that persist it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace nw::hosted::registry {

// Windows limits, in characters.
inline constexpr std::size_t kMaxKeyNameLength = 255;
inline constexpr std::size_t kMaxValueNameLength = 16383;
// Our own limit, so a length always fits the journal's 32-bit fields.
inline constexpr std::size_t kMaxValueSize = 64u * 1024u * 1024u;

struct Value {
    std::u16string name;  // empty: the key's default value
    std::uint32_t type = 0;
    std::vector<std::uint8_t> data;
};

struct FoldedHash {
    using is_transparent = void;
    std::size_t operator()(std::u16string_view name) const noexcept;
};
struct FoldedEqual {
    using is_transparent = void;
    bool operator()(std::u16string_view a, std::u16string_view b) const noexcept;
};

class Key {
public:
    Key(std::u16string name, bool isVolatile) : name_(std::move(name)), volatile_(isVolatile) {}
    Key(const Key&) = delete;
    Key& operator=(const Key&) = delete;

    const std::u16string& Name() const { return name_; }
    bool IsVolatile() const { return volatile_; }
    // A deleted key stays alive while handles refer to it, detached from the tree.
    bool IsDeleted() const { return deleted_; }
    Key* Parent() const { return parent_; }
    std::uint64_t LastWrite() const { return lastWrite_; }
    void Touch(std::uint64_t fileTime) { lastWrite_ = fileTime; }

    const std::vector<std::shared_ptr<Key>>& Subkeys() const { return subkeys_; }
    Key* FindSubkey(std::u16string_view name) const;
    // Where the subkey is held, or null: for a caller that keeps it alive.
    const std::shared_ptr<Key>* FindSubkeyEntry(std::u16string_view name) const;
    std::shared_ptr<Key> SharedSubkey(std::u16string_view name) const;
    // Adds a subkey that must not exist yet; keeps the sorted order.
    Key& AddSubkey(std::u16string name, bool isVolatile);
    // Adopts a whole subtree (from a freshly read hive).
    void AdoptSubkey(std::shared_ptr<Key> child);
    // Detaches a subkey and marks its whole subtree deleted.
    void RemoveSubkey(std::u16string_view name);
    // Detaches every volatile subtree below this key; true if any.
    bool RemoveVolatileSubkeys();

    const std::vector<Value>& Values() const { return values_; }
    const Value* FindValue(std::u16string_view name) const;
    // A new value goes last; a re-set value keeps its place and its name's case.
    void SetValue(std::u16string_view name, std::uint32_t type, const std::uint8_t* data, std::size_t size);
    void SetValue(std::u16string_view name, std::uint32_t type, std::vector<std::uint8_t> data);
    bool DeleteValue(std::u16string_view name);

    // Names from the hive root down to this key (empty for the root).
    std::vector<std::u16string> Path() const;
    // The same into `path`, reusing what its texts hold.
    void PathInto(std::vector<std::u16string>& path) const;

    // Makes this key hold what `fresh` holds, keeping the identity of every
    // key present in both (handles stay valid); keys gone are marked deleted.
    void Reconcile(Key& fresh);

private:
    void MarkDeleted();
    void ReindexFrom(std::size_t position);

    std::u16string name_;
    bool volatile_ = false;
    bool deleted_ = false;
    Key* parent_ = nullptr;
    std::uint64_t lastWrite_ = 0;
    std::vector<std::shared_ptr<Key>> subkeys_;  // sorted with CompareNoCase
    std::vector<Value> values_;                  // creation order
    std::unordered_map<std::u16string, std::size_t, FoldedHash, FoldedEqual> valueIndex_;
};

// One change to a hive, as the API makes it and as the journal records it.
// Applying a change creates missing keys on its way and deleting removes a
// whole subtree, so that replaying a journal over a newer hive file (a crash
// between writing the file and emptying the journal) gives the same result.
enum class ChangeKind : std::uint8_t { CreateKey = 1, SetValue = 2, DeleteValue = 3, DeleteKey = 4 };

struct Change {
    ChangeKind kind = ChangeKind::CreateKey;
    std::vector<std::u16string> path;  // from the hive root
    std::u16string valueName;
    std::uint32_t type = 0;
    std::vector<std::uint8_t> data;
};

// Applies a change; keys it creates get `isVolatile`. Returns the key the
// change addressed (nullptr after DeleteKey).
Key* Apply(Key& root, const Change& change, bool isVolatile, std::uint64_t fileTime);
// Applies a value change to the key it addresses, found already.
Key* ApplyToValue(Key& key, const Change& change, std::uint64_t fileTime);

}  // namespace nw::hosted::registry
