#include "preferences/PreferencesFile.h"

#include <nlohmann/json.hpp>

namespace vyn::host {
namespace {

using Json = nlohmann::json;

// nlohmann's messages begin with "[json.exception.parse_error.101] ".
std::string withoutExceptionId(const std::string &message) {
    if (message.empty() || message.front() != '[') return message;
    std::size_t end = message.find("] ");
    return end == std::string::npos ? message : message.substr(end + 2);
}

std::optional<PreferenceValue> valueOf(const Json &json) {
    if (json.is_boolean()) return json.get<bool>();
    if (json.is_number()) return json.get<double>();
    if (json.is_string()) return json.get<std::string>();
    return std::nullopt;
}

} // namespace

ParsedPreferences parsePreferences(std::string_view text) {
    Json document;
    try {
        document = Json::parse(text);
    } catch (const Json::exception &e) {
        return {std::nullopt, "it is not valid JSON: " + withoutExceptionId(e.what())};
    }
    if (!document.is_object()) return {std::nullopt, "it is not a JSON object of prefixes"};
    PreferenceValues values;
    for (const auto &[prefix, keys] : document.items()) {
        if (!keys.is_object()) return {std::nullopt, "\"" + prefix + "\" is not a JSON object of keys"};
        auto &stored = values[prefix];
        for (const auto &[key, json] : keys.items()) {
            std::optional<PreferenceValue> value = valueOf(json);
            if (!value)
                return {std::nullopt, "\"" + prefix + "/" + key + "\" is " + json.type_name() +
                                          ", not a boolean, a number or a string"};
            stored.insert_or_assign(key, std::move(*value));
        }
    }
    return {std::move(values), {}};
}

std::string formatPreferences(const PreferenceValues &values) {
    Json document = Json::object();
    for (const auto &[prefix, keys] : values) {
        Json &stored = document[prefix] = Json::object();
        for (const auto &[key, value] : keys)
            std::visit([&](const auto &v) { stored[key] = v; }, value);
    }
    return document.dump(2) + "\n";
}

} // namespace vyn::host
