// AppContext.cpp — push and pop of the host's application context.
#include "AppContext.h"

#include "Suites.h"

AppContext::AppContext(SPPluginRef pluginRef) : fAppContext(nullptr) {
    if (sAIAppContext != nullptr) sAIAppContext->PushAppContext(pluginRef, &fAppContext);
}

// A push that failed left no context behind: popping then would end
// whatever context is current, which is not ours.
AppContext::~AppContext() {
    if (sAIAppContext != nullptr && fAppContext != nullptr) sAIAppContext->PopAppContext(fAppContext);
}
