#include "form_values.h"

#include "ascii_text.h"

#include <algorithm>

namespace zw::online {

namespace {

template <typename Form>
auto findIn(Form& form, std::string_view nameOrId) -> decltype(&form.controls.front())
{
    auto it = std::find_if(form.controls.begin(), form.controls.end(), [&](const FormControl& c) {
        return (!c.name.empty() && c.name == nameOrId) || (!c.id.empty() && c.id == nameOrId);
    });
    return it == form.controls.end() ? nullptr : &*it;
}

} // namespace

std::string sanitizedInputValue(std::string_view type, std::string_view value)
{
    const bool singleLine = type == "text" || type == "search" || type == "tel" || type == "password"
        || type == "email" || type == "url";
    if (!singleLine) {
        return std::string(value);
    }
    std::string out;
    out.reserve(value.size());
    for (char c : value) {
        if (c != '\r' && c != '\n') {
            out.push_back(c);
        }
    }
    if (type == "email" || type == "url") {
        out = asciiTrimmed(out);
    }
    return out;
}

FormControl* findControl(HtmlForm& form, std::string_view nameOrId) { return findIn(form, nameOrId); }
const FormControl* findControl(const HtmlForm& form, std::string_view nameOrId) { return findIn(form, nameOrId); }

bool setControlValue(HtmlForm& form, std::string_view nameOrId, std::string_view value)
{
    FormControl* c = findControl(form, nameOrId);
    if (c == nullptr || c->kind == ControlKind::Select || (c->kind == ControlKind::Input && c->type == "file")) {
        return false;
    }
    c->value = c->kind == ControlKind::Input ? sanitizedInputValue(c->type, value) : std::string(value);
    return true;
}

} // namespace zw::online
