#pragma once
#include <cstddef>
#include <cstdint>
#include <map>

// A reference-counted cache of assets keyed by catalogue index: the first holder loads the asset,
// later ones only count, and the last release destroys it. An asset is loaded exactly while its
// count is above 0; a failed load leaves the entry present, uncounted and empty, and the next
// Acquire of the index tries again.
//
// Asset: default-constructible, with `bool IsLoaded() const`.
template <class Asset>
class AssetCache {
  public:
    // The asset of `index`, loaded with `load(asset)` when nobody holds it, and counted when it is
    // loaded afterwards. nullptr, creating nothing, when `index` is not a row below `rowCount`.
    template <class LoadAsset>
    Asset* Acquire(int index, size_t rowCount, LoadAsset&& load) {
        if (index < 0 || static_cast<size_t>(index) >= rowCount) return nullptr;
        Entry& entry = entries_[index];
        if (entry.refCount == 0) load(entry.asset);
        if (entry.asset.IsLoaded()) ++entry.refCount;
        return &entry.asset;
    }

    // One release per Acquire. The count's last holder destroys the asset and its entry; an index
    // without entry is ignored.
    void Release(int index) {
        const auto found = entries_.find(index);
        if (found == entries_.end()) return;
        if (--found->second.refCount <= 0) entries_.erase(found);
    }

    // 0 for an index without entry.
    int32_t RefCount(int index) const {
        const auto found = entries_.find(index);
        return found == entries_.end() ? 0 : found->second.refCount;
    }
    bool HasEntry(int index) const { return entries_.contains(index); }
    size_t EntryCount() const { return entries_.size(); }

  private:
    struct Entry {
        int32_t refCount = 0;
        Asset asset;
    };
    std::map<int, Entry> entries_;  // nodes never move, so returned pointers stay valid
};
