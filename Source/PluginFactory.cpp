// PluginFactory.cpp — which class the plug-in object is. PluginMain makes
// the object through AllocatePlugin and repairs its dynamic type after a
// reload through FixupReload; keeping both here, apart from the class itself,
// lets a module of another class reuse everything else.
#include "DatePlugIn.h"

Plugin *AllocatePlugin(SPPluginRef pluginRef) { return new DatePlugIn(pluginRef); }

void FixupReload(Plugin *plugin) { DatePlugIn::FixupVTable(static_cast<DatePlugIn *>(plugin)); }
