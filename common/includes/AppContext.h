// AppContext.h — a stack guard that makes the host's application context
// current for the plug-in while it lives.
#pragma once

#include "ASTypes.h"

class AppContext {
  public:
    // Pushes the application context for `pluginRef` when the AI Context
    // suite is held; otherwise does nothing.
    explicit AppContext(SPPluginRef pluginRef);
    // Pops the context pushed by the constructor.
    ~AppContext();
    AppContext(const AppContext &) = delete;
    AppContext &operator=(const AppContext &) = delete;

  private:
    AIAppContextHandle fAppContext;
};
