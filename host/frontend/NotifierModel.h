// NotifierModel.h — plug-ins' notifier registrations and the application
// context stack.
#pragma once

#include <string>
#include <vector>

#include "gate/HandleTable.h"
#include "ASTypes.h"

namespace vyn::host {

struct NotifierRegistration {
    AINotifierHandle handle = nullptr;
    SPPluginRef owner = nullptr;
    std::string name;
    std::string type;
};

class NotifierModel {
  public:
    AINotifierHandle add(SPPluginRef owner, std::string name, std::string type);
    // Registrations of `type`, in order of registration.
    std::vector<NotifierRegistration> ofType(const std::string &type) const;
    void dropPlugin(SPPluginRef owner);
    std::size_t size() const { return registrations_.size(); }

    // Application contexts nest; only the innermost may be popped.
    AIAppContextHandle pushContext(SPPluginRef plugin);
    bool popContext(AIAppContextHandle context);
    std::size_t contextDepth() const { return contexts_.size(); }

  private:
    std::vector<NotifierRegistration> registrations_;
    std::vector<std::pair<AIAppContextHandle, SPPluginRef>> contexts_;
};

} // namespace vyn::host
