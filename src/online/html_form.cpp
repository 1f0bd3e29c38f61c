#include "html_form.h"

#include "ascii_text.h"
#include "code_page.h"
#include "form_values.h"

#include <gumbo.h>

#include <algorithm>
#include <array>
#include <memory>

namespace zw::online {

namespace {

// The charset parameter of a Content-Type value, or empty.
std::string charsetParameter(std::string_view contentType)
{
    const std::string lc = asciiLower(contentType);
    const auto at = lc.find("charset");
    if (at == std::string::npos) {
        return {};
    }
    size_t i = at + 7;
    while (i < lc.size() && lc[i] == ' ') {
        ++i;
    }
    if (i >= lc.size() || lc[i] != '=') {
        return {};
    }
    ++i;
    while (i < lc.size() && lc[i] == ' ') {
        ++i;
    }
    const char quote = i < lc.size() && (lc[i] == '"' || lc[i] == '\'') ? lc[i] : 0;
    if (quote != 0) {
        ++i;
    }
    size_t e = i;
    while (e < lc.size() && lc[e] != ';' && lc[e] != ' ' && lc[e] != quote) {
        ++e;
    }
    return lc.substr(i, e - i);
}

const char* attribute(const GumboElement& el, const char* name)
{
    const GumboAttribute* a = gumbo_get_attribute(&el.attributes, name);
    return a != nullptr ? a->value : nullptr;
}

bool hasAttribute(const GumboElement& el, const char* name) { return attribute(el, name) != nullptr; }

std::string attributeText(const GumboElement& el, const char* name)
{
    const char* v = attribute(el, name);
    return v != nullptr ? v : "";
}

std::optional<std::string> optionalAttribute(const GumboElement& el, const char* name)
{
    const char* v = attribute(el, name);
    return v != nullptr ? std::optional<std::string>(v) : std::nullopt;
}

void appendText(const GumboNode* node, std::string& out)
{
    if (node->type == GUMBO_NODE_TEXT || node->type == GUMBO_NODE_WHITESPACE || node->type == GUMBO_NODE_CDATA) {
        out.append(node->v.text.text);
    } else if (node->type == GUMBO_NODE_ELEMENT) {
        const GumboVector& children = node->v.element.children;
        for (unsigned i = 0; i < children.length; ++i) {
            appendText(static_cast<const GumboNode*>(children.data[i]), out);
        }
    }
}

// Text of an option used as its value: white space stripped and collapsed.
std::string collapsedText(const GumboNode* node)
{
    std::string raw;
    appendText(node, raw);
    std::string out;
    bool space = false;
    for (char c : asciiTrimmed(raw)) {
        if (isAsciiWhitespace(c)) {
            space = true;
            continue;
        }
        if (space) {
            out.push_back(' ');
            space = false;
        }
        out.push_back(c);
    }
    return out;
}

std::string inputType(const GumboElement& el)
{
    static constexpr std::array<std::string_view, 22> known{
        "hidden", "text", "search", "tel", "url", "email", "password", "date", "month", "week", "time",
        "datetime-local", "number", "range", "color", "checkbox", "radio", "file", "submit", "image",
        "reset", "button"};
    const std::string t = asciiLower(asciiTrimmed(attributeText(el, "type")));
    return std::find(known.begin(), known.end(), t) != known.end() ? t : "text";
}

std::string buttonType(const GumboElement& el)
{
    const std::string t = asciiLower(asciiTrimmed(attributeText(el, "type")));
    return t == "reset" || t == "button" ? t : "submit";
}

struct FoundForm {
    const GumboNode* node;
    HtmlForm form;
};

struct Context {
    const GumboNode* form = nullptr;      // nearest ancestor form
    bool inDatalist = false;
    bool disabledFieldset = false;
};

struct FoundControl {
    FormControl control;
    const GumboNode* ancestorForm;
    std::optional<std::string> formAttribute;
};

class Walker {
public:
    std::vector<FoundForm> forms;
    std::vector<FoundControl> controls;
    std::optional<std::string> baseHref;
    std::optional<std::string> metaCharset;

    void walk(const GumboNode* node, Context ctx)
    {
        if (node->type == GUMBO_NODE_DOCUMENT) {
            const GumboVector& children = node->v.document.children;
            for (unsigned i = 0; i < children.length; ++i) {
                walk(static_cast<const GumboNode*>(children.data[i]), ctx);
            }
            return;
        }
        // Text has no forms, and a template's content is inert.
        if (node->type != GUMBO_NODE_ELEMENT) {
            return;
        }
        const GumboElement& el = node->v.element;
        switch (el.tag) {
        case GUMBO_TAG_FORM:
            forms.push_back({node, formOf(el)});
            ctx.form = node;
            break;
        case GUMBO_TAG_BASE:
            if (!baseHref && hasAttribute(el, "href")) {
                baseHref = attributeText(el, "href");
            }
            break;
        case GUMBO_TAG_META:
            readMeta(el);
            break;
        case GUMBO_TAG_DATALIST:
            ctx.inDatalist = true;
            break;
        case GUMBO_TAG_INPUT:
        case GUMBO_TAG_TEXTAREA:
        case GUMBO_TAG_SELECT:
        case GUMBO_TAG_BUTTON:
            addControl(node, ctx);
            break;
        default:
            break;
        }
        const GumboVector& children = el.children;
        const GumboNode* firstLegend = nullptr;
        for (unsigned i = 0; i < children.length; ++i) {
            const auto* child = static_cast<const GumboNode*>(children.data[i]);
            Context childCtx = ctx;
            if (el.tag == GUMBO_TAG_FIELDSET && hasAttribute(el, "disabled")) {
                // A disabled fieldset disables everything but its first legend's content.
                const bool isLegend = child->type == GUMBO_NODE_ELEMENT && child->v.element.tag == GUMBO_TAG_LEGEND;
                if (isLegend && firstLegend == nullptr) {
                    firstLegend = child;
                } else {
                    childCtx.disabledFieldset = true;
                }
            }
            walk(child, childCtx);
        }
    }

private:
    static HtmlForm formOf(const GumboElement& el)
    {
        HtmlForm f;
        f.action = optionalAttribute(el, "action");
        f.method = asciiLower(asciiTrimmed(attributeText(el, "method")));
        f.enctype = asciiLower(asciiTrimmed(attributeText(el, "enctype")));
        f.acceptCharset = attributeText(el, "accept-charset");
        return f;
    }

    void readMeta(const GumboElement& el)
    {
        if (metaCharset) {
            return;
        }
        if (const char* cs = attribute(el, "charset")) {
            metaCharset = asciiLower(asciiTrimmed(cs));
        } else if (asciiLower(asciiTrimmed(attributeText(el, "http-equiv"))) == "content-type") {
            const std::string cs = charsetParameter(attributeText(el, "content"));
            if (!cs.empty()) {
                metaCharset = cs;
            }
        }
    }

    void addControl(const GumboNode* node, const Context& ctx)
    {
        const GumboElement& el = node->v.element;
        FoundControl found;
        FormControl& c = found.control;
        c.name = attributeText(el, "name");
        c.id = attributeText(el, "id");
        c.disabled = hasAttribute(el, "disabled") || ctx.disabledFieldset;
        c.inDatalist = ctx.inDatalist;
        switch (el.tag) {
        case GUMBO_TAG_INPUT:
            c.kind = ControlKind::Input;
            c.type = inputType(el);
            c.checked = hasAttribute(el, "checked");
            if (c.type == "checkbox" || c.type == "radio") {
                c.value = hasAttribute(el, "value") ? attributeText(el, "value") : "on";
            } else {
                c.value = sanitizedInputValue(c.type, attributeText(el, "value"));
            }
            break;
        case GUMBO_TAG_TEXTAREA:
            c.kind = ControlKind::Textarea;
            c.type = "textarea";
            appendText(node, c.value);
            break;
        case GUMBO_TAG_BUTTON:
            c.kind = ControlKind::Button;
            c.type = buttonType(el);
            c.value = attributeText(el, "value");
            break;
        default:
            c.kind = ControlKind::Select;
            c.type = hasAttribute(el, "multiple") ? "select-multiple" : "select-one";
            c.multiple = hasAttribute(el, "multiple");
            collectOptions(node, false, c.options);
            settleSelection(el, c);
            break;
        }
        if (c.type == "submit" || c.type == "image") {
            c.formAction = optionalAttribute(el, "formaction");
            c.formMethod = optionalAttribute(el, "formmethod");
            c.formEnctype = optionalAttribute(el, "formenctype");
        }
        found.ancestorForm = ctx.form;
        found.formAttribute = optionalAttribute(el, "form");
        controls.push_back(std::move(found));
    }

    static void collectOptions(const GumboNode* node, bool groupDisabled, std::vector<SelectOption>& out)
    {
        const GumboVector& children = node->v.element.children;
        for (unsigned i = 0; i < children.length; ++i) {
            const auto* child = static_cast<const GumboNode*>(children.data[i]);
            if (child->type != GUMBO_NODE_ELEMENT) {
                continue;
            }
            const GumboElement& el = child->v.element;
            if (el.tag == GUMBO_TAG_OPTION) {
                SelectOption o;
                o.value = hasAttribute(el, "value") ? attributeText(el, "value") : collapsedText(child);
                o.selected = hasAttribute(el, "selected");
                o.disabled = groupDisabled || hasAttribute(el, "disabled");
                out.push_back(std::move(o));
            } else if (el.tag == GUMBO_TAG_OPTGROUP) {
                collectOptions(child, groupDisabled || hasAttribute(el, "disabled"), out);
            }
        }
    }

    // A single-choice list box of one line always has exactly one selected option: the last
    // one marked selected, or the first that is not disabled.
    static void settleSelection(const GumboElement& el, FormControl& c)
    {
        if (c.multiple) {
            return;
        }
        long size = 1;
        if (const char* s = attribute(el, "size")) {
            try {
                size = std::stol(s);
            } catch (...) {
                size = 1;
            }
        }
        auto last = std::find_if(c.options.rbegin(), c.options.rend(), [](const SelectOption& o) { return o.selected; });
        for (auto& o : c.options) {
            o.selected = false;
        }
        if (last != c.options.rend()) {
            last->selected = true;
        } else if (size <= 1) {
            auto first = std::find_if(c.options.begin(), c.options.end(), [](const SelectOption& o) { return !o.disabled; });
            if (first != c.options.end()) {
                first->selected = true;
            }
        }
    }
};

struct GumboDeleter {
    void operator()(GumboOutput* out) const { gumbo_destroy_output(&kGumboDefaultOptions, out); }
};

Walker walkPage(const std::string& utf8)
{
    std::unique_ptr<GumboOutput, GumboDeleter> out(gumbo_parse_with_options(&kGumboDefaultOptions, utf8.data(), utf8.size()));
    Walker w;
    w.walk(out->document, {});
    // Gumbo's nodes die with the output: keep only what was copied out of them.
    for (auto& f : w.forms) {
        const GumboNode* formNode = f.node;
        std::string formId;
        if (const char* id = attribute(formNode->v.element, "id")) {
            formId = id;
        }
        for (const auto& found : w.controls) {
            const bool owned = found.formAttribute ? (!formId.empty() && *found.formAttribute == formId)
                                                   : found.ancestorForm == formNode;
            if (owned) {
                f.form.controls.push_back(found.control);
            }
        }
        f.node = nullptr;
    }
    for (auto& found : w.controls) {
        found.ancestorForm = nullptr;
    }
    return w;
}

} // namespace

std::string charsetForLabel(std::string_view label)
{
    const std::string l = asciiLower(asciiTrimmed(label));
    static constexpr std::array<std::string_view, 3> utf8{"utf-8", "utf8", "unicode-1-1-utf-8"};
    static constexpr std::array<std::string_view, 14> latin{
        "windows-1252", "cp1252", "x-cp1252", "iso-8859-1", "iso8859-1", "iso_8859-1", "iso88591",
        "latin1", "l1", "us-ascii", "ascii", "ansi_x3.4-1968", "cp819", "ibm819"};
    if (std::find(utf8.begin(), utf8.end(), l) != utf8.end()) {
        return "UTF-8";
    }
    if (std::find(latin.begin(), latin.end(), l) != latin.end()) {
        return "windows-1252";
    }
    return {};
}

HtmlPage parseHtmlPage(std::string_view bytes, std::string_view httpContentType)
{
    std::string charset = charsetForLabel(charsetParameter(httpContentType));
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") {
        charset = "UTF-8";
        bytes.remove_prefix(3);
    }
    std::string text = charset == "windows-1252" ? decodeCp1252(bytes) : std::string(bytes);
    Walker w = walkPage(text);
    if (charset.empty()) {
        const std::string declared = w.metaCharset ? charsetForLabel(*w.metaCharset) : std::string();
        charset = !declared.empty() ? declared : (isValidUtf8(bytes) ? "UTF-8" : "windows-1252");
        if (charset == "windows-1252") {
            w = walkPage(decodeCp1252(bytes));
        }
    }
    HtmlPage page;
    page.charset = charset;
    page.baseHref = w.baseHref;
    for (auto& f : w.forms) {
        page.forms.push_back(std::move(f.form));
    }
    return page;
}

} // namespace zw::online
