// HandleTable.h — maps opaque handles given to plug-ins to host objects.
//
// A handle is a number dressed as a pointer, never the object's address. All
// numbers come from one process-wide sequence and are never reused, whatever
// kind of handle they become: a stale handle is rejected by a table lookup
// without touching freed memory, a new object can never answer to an old
// handle, and a handle of one kind is never found in another kind's table.
#pragma once

#include <cstdint>
#include <memory>
#include <unordered_map>

namespace vyn::host {

// The one source of handle values. Values are multiples of 16 (they look
// like aligned pointers in a trace) and start well above the null page.
class HandleSpace {
  public:
    static std::uintptr_t next();
    template <class Handle> static Handle nextAs() { return reinterpret_cast<Handle>(next()); }
};

template <class Object, class Handle> class HandleTable {
  public:
    Handle add(Object *object) {
        std::uintptr_t id = HandleSpace::next();
        map_[id] = object;
        return reinterpret_cast<Handle>(id);
    }

    // The object behind `handle`, or null when the handle is unknown or stale.
    Object *find(Handle handle) const {
        auto it = map_.find(reinterpret_cast<std::uintptr_t>(handle));
        return it == map_.end() ? nullptr : it->second;
    }

    void remove(Handle handle) { map_.erase(reinterpret_cast<std::uintptr_t>(handle)); }
    // Withdraws every handle whose object `pred` accepts.
    template <class Pred> void removeIf(Pred &&pred) {
        std::erase_if(map_, [&](const auto &entry) { return pred(entry.second); });
    }
    std::size_t size() const { return map_.size(); }
    void clear() { map_.clear(); }

  private:
    std::unordered_map<std::uintptr_t, Object *> map_;
};

// A handle table that also owns its objects: erasing a handle destroys the
// object behind it.
template <class Object, class Handle> class OwningHandleTable {
  public:
    Handle add(std::unique_ptr<Object> object) {
        Handle h = HandleSpace::nextAs<Handle>();
        owned_[reinterpret_cast<std::uintptr_t>(h)] = std::move(object);
        return h;
    }
    Object *find(Handle handle) const {
        auto it = owned_.find(reinterpret_cast<std::uintptr_t>(handle));
        return it == owned_.end() ? nullptr : it->second.get();
    }
    void erase(Handle handle) { owned_.erase(reinterpret_cast<std::uintptr_t>(handle)); }
    std::size_t size() const { return owned_.size(); }
    void clear() { owned_.clear(); }
    template <class F> void forEach(F &&f) const {
        for (const auto &[id, object] : owned_)
            f(reinterpret_cast<Handle>(id), *object);
    }

  private:
    std::unordered_map<std::uintptr_t, std::unique_ptr<Object>> owned_;
};

} // namespace vyn::host
