// ADMSuiteParts.h — how the dialog manager's suite files register their
// tables. registerADMSuites (Host.h) calls the other files' hooks.
#pragma once

#include <string>

namespace vyn::host {

class SuiteRegistry;

void registerADMBasicSuite(SuiteRegistry &registry);
void registerADMDrawerSuites(SuiteRegistry &registry);

// Text handed over by a plug-in (platform encoding) in UTF-8; null is "".
std::string admText(const char *text);

} // namespace vyn::host
