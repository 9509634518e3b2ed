#include "render/Presentation.h"

#include "render/SvgMarkup.h"

namespace vyn::host {

void Presentation::set(std::string_view name, std::string_view value) {
    if (!important_) {
        out_ += ' ';
        out_ += name;
        out_ += "=\"";
        appendXmlEscaped(out_, value, true);
        out_ += '"';
        return;
    }
    if (!style_.empty()) style_ += ';';
    style_ += name;
    style_ += ':';
    style_ += value;
    style_ += " !important";
}

void Presentation::setPaint(std::string_view name, const std::string &value) {
    if (important_ && value.starts_with("url("))
        set(name, value + " none");
    else
        set(name, value);
}

void Presentation::setNumber(std::string_view name, double value) { set(name, svgNumber(value)); }

void Presentation::setShown(bool hidden) {
    if (!important_) return;
    set("display", hidden ? "none" : "inline");
    set("visibility", "visible");
    set("opacity", "1");
}

void Presentation::end() {
    if (ended_) return;
    ended_ = true;
    if (style_.empty()) return;
    out_ += " style=\"";
    appendXmlEscaped(out_, style_, true);
    out_ += '"';
}

} // namespace vyn::host
