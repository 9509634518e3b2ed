#include "frontend/NotifierModel.h"

#include <algorithm>

namespace vyn::host {

AINotifierHandle NotifierModel::add(SPPluginRef owner, std::string name, std::string type) {
    NotifierRegistration r;
    r.handle = HandleSpace::nextAs<AINotifierHandle>();
    r.owner = owner;
    r.name = std::move(name);
    r.type = std::move(type);
    registrations_.push_back(r);
    return r.handle;
}

std::vector<NotifierRegistration> NotifierModel::ofType(const std::string &type) const {
    std::vector<NotifierRegistration> out;
    for (const auto &r : registrations_)
        if (r.type == type) out.push_back(r);
    return out;
}

void NotifierModel::dropPlugin(SPPluginRef owner) {
    std::erase_if(registrations_, [owner](const NotifierRegistration &r) { return r.owner == owner; });
}

AIAppContextHandle NotifierModel::pushContext(SPPluginRef plugin) {
    auto h = HandleSpace::nextAs<AIAppContextHandle>();
    contexts_.emplace_back(h, plugin);
    return h;
}

bool NotifierModel::popContext(AIAppContextHandle context) {
    if (contexts_.empty() || contexts_.back().first != context) return false;
    contexts_.pop_back();
    return true;
}

} // namespace vyn::host
