#pragma once
// The forms of an HTML page as a browser sees them: parsed with a real HTML5 parser (gumbo),
// each form with its attributes and its controls in tree order, with their current values.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zw::online {

enum class ControlKind { Input, Textarea, Select, Button };

struct SelectOption {
    std::string value;
    bool selected = false;
    bool disabled = false;
};

struct FormControl {
    ControlKind kind = ControlKind::Input;
    std::string type;        // lower case; for inputs "text" when missing or unknown, buttons "submit"
    std::string name;
    std::string id;
    std::string value;       // input and button value, textarea text
    bool checked = false;
    bool disabled = false;   // itself, or inside a disabled fieldset
    bool inDatalist = false;
    bool multiple = false;
    std::vector<SelectOption> options;
    // A submit button's own overrides of the form's attributes.
    std::optional<std::string> formAction;
    std::optional<std::string> formMethod;
    std::optional<std::string> formEnctype;
};

struct HtmlForm {
    std::optional<std::string> action;
    std::string method;          // attribute as written, lower case
    std::string enctype;
    std::string acceptCharset;
    std::vector<FormControl> controls;
};

struct HtmlPage {
    std::string charset;         // "UTF-8" or "windows-1252": how the page was decoded
    std::optional<std::string> baseHref;
    std::vector<HtmlForm> forms; // in document order
};

// Parses the page's bytes. The charset comes from the HTTP Content-Type, a byte order mark,
// or the page's own meta declaration; without any, UTF-8 when the bytes are valid UTF-8,
// else windows-1252.
HtmlPage parseHtmlPage(std::string_view bytes, std::string_view httpContentType = {});

// "UTF-8", "windows-1252", or empty for a label we do not support.
std::string charsetForLabel(std::string_view label);

} // namespace zw::online
