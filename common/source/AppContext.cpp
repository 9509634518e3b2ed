// AppContext.cpp — push and pop of the host's application context.
#include "AppContext.h"

#include "Suites.h"

AppContext::AppContext(SPPluginRef pluginRef) : fAppContext(nullptr) {
    if (sAIAppContext != nullptr) sAIAppContext->PushAppContext(pluginRef, &fAppContext);
}

AppContext::~AppContext() {
    if (sAIAppContext != nullptr) sAIAppContext->PopAppContext(fAppContext);
}
