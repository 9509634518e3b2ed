// ADM Drawer over the recording drawers of the dialog engine, and ADM Icon
// over the plug-ins' bundle resources (one table at versions 1 and 2).
#include <memory>

#include "ADMDrawer.h"
#include "ADMIcon.h"
#include "gate/CallGate.h"
#include "Host.h"
#include "loader/PluginSet.h"
#include "gate/SuiteRegistry.h"
#include "dialog/DialogEngine.h"
#include "suites/ADMSuiteParts.h"

namespace vyn::host {
namespace {

constexpr const char *kDrawer = kADMDrawerSuite;
constexpr const char *kIcon = kADMIconSuite;

// Runs `paint` on the recording drawer behind `drawer`, through the gate.
template <class Paint> void paint(const char *operation, ADMDrawerRef drawer, Paint &&body) {
    gateVoid({kDrawer, operation, CallContext::InsideDrawingProcedure},
             [&](Host &host) { body(host, host.dialogs().handles().drawer(drawer).drawer); });
}

// ---- ADM Drawer -----------------------------------------------------------

void ASAPI setADMColor(ADMDrawerRef drawer, ADMColor color) {
    paint("SetADMColor", drawer, [&](Host &, RecordingDrawer &d) { d.setInterfaceColour(color); });
}

void ASAPI setRGBColor(ADMDrawerRef drawer, const ADMRGBColor *color) {
    paint("SetRGBColor", drawer, [&](Host &, RecordingDrawer &d) {
        if (color) d.setColour(*color);
    });
}

void ASAPI fillRect(ADMDrawerRef drawer, const ADMRect *rect) {
    paint("FillRect", drawer, [&](Host &, RecordingDrawer &d) {
        require(rect != nullptr, "null rectangle");
        d.fill(*rect);
    });
}

void ASAPI frameRect(ADMDrawerRef drawer, const ADMRect *rect) {
    paint("FrameRect", drawer, [&](Host &, RecordingDrawer &d) {
        require(rect != nullptr, "null rectangle");
        d.frame(*rect);
    });
}

void ASAPI clearRect(ADMDrawerRef drawer, const ADMRect *rect) {
    paint("ClearRect", drawer, [&](Host &, RecordingDrawer &d) {
        require(rect != nullptr, "null rectangle");
        d.clear(*rect);
    });
}

void ASAPI clear(ADMDrawerRef drawer) {
    paint("Clear", drawer, [&](Host &, RecordingDrawer &d) { d.clearAll(); });
}

void ASAPI drawLine(ADMDrawerRef drawer, const ADMPoint *start, const ADMPoint *end) {
    paint("DrawLine", drawer, [&](Host &, RecordingDrawer &d) {
        require(start != nullptr && end != nullptr, "null point");
        d.line(*start, *end);
    });
}

void ASAPI setDrawerFont(ADMDrawerRef drawer, ADMFont font) {
    paint("SetFont", drawer, [&](Host &, RecordingDrawer &d) { d.setFont(font); });
}

void ASAPI drawText(ADMDrawerRef drawer, const char *text, const ADMPoint *origin) {
    paint("DrawText", drawer, [&](Host &, RecordingDrawer &d) {
        require(text != nullptr && origin != nullptr, "null text or point");
        d.text(admText(text), *origin);
    });
}

void ASAPI drawTextCentered(ADMDrawerRef drawer, const char *text, const ADMRect *rect) {
    paint("DrawTextCentered", drawer, [&](Host &, RecordingDrawer &d) {
        require(text != nullptr && rect != nullptr, "null text or rectangle");
        d.textCentred(admText(text), *rect);
    });
}

void ASAPI drawIcon(ADMDrawerRef drawer, ADMIconRef icon, const ADMPoint *topLeft) {
    paint("DrawIcon", drawer, [&](Host &host, RecordingDrawer &d) {
        require(topLeft != nullptr, "null point");
        if (icon) d.icon(host.dialogs().handles().icon(icon).picture, *topLeft);
    });
}

// ---- ADM Icon -------------------------------------------------------------

ADMIconRef ASAPI getFromResource(SPPluginRef plugin, const char *, ASInt32 iconID, ASInt32) {
    return gateValue<ADMIconRef>(
        {kIcon, "GetFromResource", CallContext::AnyTime}, nullptr, [&](Host &host) -> ADMIconRef {
            const LoadedPlugin *owner = host.plugins().find(plugin);
            require(owner != nullptr, "unknown plug-in reference");
            std::optional<IconResource> icon = owner->resources.icon(iconID);
            if (!icon) return nullptr;
            auto picture = std::make_shared<IconPicture>(IconPicture{icon->svg, icon->width, icon->height});
            return host.dialogs().handles().addIcon(std::move(picture), plugin);
        });
}

void ASAPI destroyIcon(ADMIconRef icon) {
    gateVoid({kIcon, "Destroy", CallContext::AnyTime}, [&](Host &host) {
        if (icon) host.dialogs().handles().destroyIcon(icon);
    });
}

ASInt32 ASAPI getWidth(ADMIconRef icon) {
    return gateValue<ASInt32>({kIcon, "GetWidth", CallContext::AnyTime}, 0,
                              [&](Host &host) { return host.dialogs().handles().icon(icon).picture->width; });
}

ASInt32 ASAPI getHeight(ADMIconRef icon) {
    return gateValue<ASInt32>({kIcon, "GetHeight", CallContext::AnyTime}, 0, [&](Host &host) {
        return host.dialogs().handles().icon(icon).picture->height;
    });
}

const ADMDrawerSuite kDrawerTable = {
    .SetADMColor = setADMColor,
    .SetRGBColor = setRGBColor,
    .FillRect = fillRect,
    .FrameRect = frameRect,
    .ClearRect = clearRect,
    .Clear = clear,
    .DrawLine = drawLine,
    .SetFont = setDrawerFont,
    .DrawText = drawText,
    .DrawTextCentered = drawTextCentered,
    .DrawIcon = drawIcon,
};
const ADMIconSuite kIconTable = {
    .GetFromResource = getFromResource,
    .Destroy = destroyIcon,
    .GetWidth = getWidth,
    .GetHeight = getHeight,
};

} // namespace

void registerADMDrawerSuites(SuiteRegistry &registry) {
    registry.add(kADMDrawerSuite, kADMDrawerSuiteVersion, &kDrawerTable);
    registry.add(kADMIconSuite, kADMIconSuiteVersion1, &kIconTable);
    registry.add(kADMIconSuite, kADMIconSuiteVersion2, &kIconTable);
}

} // namespace vyn::host
