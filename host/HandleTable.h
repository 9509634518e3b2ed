// HandleTable.h — maps opaque handles given to plug-ins to host objects.
//
// A handle is a number dressed as a pointer, never the object's address, and
// numbers are never reused: a stale handle is rejected by a table lookup
// without touching freed memory, and a new object can never answer to an old
// handle.
#pragma once

#include <cstdint>
#include <unordered_map>

namespace vyn::host {

template <class Object, class Handle> class HandleTable {
  public:
    // `firstId` keeps the handles of different tables apart, which makes
    // a handle passed to the wrong suite fail instead of aliasing.
    explicit HandleTable(std::uintptr_t firstId = 0x1000) : next_(firstId) {}

    Handle add(Object *object) {
        std::uintptr_t id = next_;
        next_ += 16;
        map_[id] = object;
        return reinterpret_cast<Handle>(id);
    }

    // The object behind `handle`, or null when the handle is unknown or stale.
    Object *find(Handle handle) const {
        auto it = map_.find(reinterpret_cast<std::uintptr_t>(handle));
        return it == map_.end() ? nullptr : it->second;
    }

    void remove(Handle handle) { map_.erase(reinterpret_cast<std::uintptr_t>(handle)); }
    std::size_t size() const { return map_.size(); }
    void clear() { map_.clear(); }

  private:
    std::uintptr_t next_;
    std::unordered_map<std::uintptr_t, Object *> map_;
};

} // namespace vyn::host

#include <memory>

namespace vyn::host {

// A HandleTable that also owns its objects: erasing a handle destroys the
// object behind it.
template <class Object, class Handle> class OwningHandleTable {
  public:
    explicit OwningHandleTable(std::uintptr_t firstId = 0x1000) : handles_(firstId) {}

    Handle add(std::unique_ptr<Object> object) {
        Handle h = handles_.add(object.get());
        owned_[reinterpret_cast<std::uintptr_t>(h)] = std::move(object);
        return h;
    }
    Object *find(Handle handle) const { return handles_.find(handle); }
    void erase(Handle handle) {
        handles_.remove(handle);
        owned_.erase(reinterpret_cast<std::uintptr_t>(handle));
    }
    std::size_t size() const { return owned_.size(); }
    void clear() {
        handles_.clear();
        owned_.clear();
    }
    template <class F> void forEach(F &&f) const {
        for (const auto &[id, object] : owned_)
            f(reinterpret_cast<Handle>(id), *object);
    }

  private:
    HandleTable<Object, Handle> handles_;
    std::unordered_map<std::uintptr_t, std::unique_ptr<Object>> owned_;
};

} // namespace vyn::host
