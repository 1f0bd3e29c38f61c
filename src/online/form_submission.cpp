#include "form_submission.h"

#include "ascii_text.h"
#include "code_page.h"
#include "form_values.h"

#include <algorithm>
#include <random>
#include <sstream>

namespace zw::online {

namespace {

bool isButton(const FormControl& c)
{
    return c.kind == ControlKind::Button
        || (c.kind == ControlKind::Input && (c.type == "submit" || c.type == "image" || c.type == "reset" || c.type == "button"));
}

bool isSubmitButton(const FormControl& c)
{
    return (c.kind == ControlKind::Button && c.type == "submit")
        || (c.kind == ControlKind::Input && (c.type == "submit" || c.type == "image"));
}

// Every line break becomes CR LF: a lone CR, a lone LF, and CR LF itself.
std::string normalizedLineBreaks(std::string_view s)
{
    std::string out;
    out.reserve(s.size() + 8);
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\r') {
            out.append("\r\n");
            if (i + 1 < s.size() && s[i + 1] == '\n') {
                ++i;
            }
        } else if (s[i] == '\n') {
            out.append("\r\n");
        } else {
            out.push_back(s[i]);
        }
    }
    return out;
}

void urlEncodeBytes(std::string_view bytes, std::string& out)
{
    static constexpr char hex[] = "0123456789ABCDEF";
    for (char ch : bytes) {
        const auto c = static_cast<unsigned char>(ch);
        if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) {
            out.push_back(static_cast<char>(c));
        } else if (c == '*' || c == '-' || c == '.' || c == '_') {
            out.push_back(static_cast<char>(c));
        } else if (c == ' ') {
            out.push_back('+');
        } else {
            out.push_back('%');
            out.push_back(hex[c >> 4]);
            out.push_back(hex[c & 0x0F]);
        }
    }
}

// A name or file name inside a multipart header: quotes and line breaks escaped.
std::string multipartQuoted(std::string_view s)
{
    std::string out;
    for (char c : s) {
        if (c == '"') {
            out.append("%22");
        } else if (c == '\r') {
            out.append("%0D");
        } else if (c == '\n') {
            out.append("%0A");
        } else {
            out.push_back(c);
        }
    }
    return out;
}

// The first charset of accept-charset that we can encode, else the page's.
std::string submissionCharset(const HtmlForm& form, std::string_view documentCharset)
{
    std::istringstream labels(form.acceptCharset);
    std::string label;
    while (labels >> label) {
        const std::string cs = charsetForLabel(label);
        if (!cs.empty()) {
            return cs;
        }
    }
    return documentCharset.empty() ? "UTF-8" : std::string(documentCharset);
}

std::string methodOf(std::string_view attribute)
{
    const std::string m = asciiLower(attribute);
    if (m == "post") {
        return "POST";
    }
    return m == "dialog" ? "DIALOG" : "GET";
}

std::string enctypeOf(std::string_view attribute)
{
    const std::string e = asciiLower(attribute);
    if (e == "multipart/form-data" || e == "text/plain") {
        return e;
    }
    return "application/x-www-form-urlencoded";
}

} // namespace

std::vector<FormEntry> buildEntryList(const HtmlForm& form, const FormControl* submitter, std::string_view charset)
{
    std::vector<FormEntry> entries;
    for (const FormControl& c : form.controls) {
        if (c.inDatalist || c.disabled) {
            continue;
        }
        if (isButton(c) && &c != submitter) {
            continue;
        }
        if (c.kind == ControlKind::Input && (c.type == "checkbox" || c.type == "radio") && !c.checked) {
            continue;
        }
        if (c.kind == ControlKind::Input && c.type == "image") {
            // A click by program lands at (0, 0).
            const std::string prefix = c.name.empty() ? std::string() : c.name + ".";
            entries.push_back({prefix + "x", "0"});
            entries.push_back({prefix + "y", "0"});
            continue;
        }
        if (c.name.empty()) {
            continue;
        }
        if (c.kind == ControlKind::Select) {
            for (const auto& o : c.options) {
                if (o.selected && !o.disabled) {
                    entries.push_back({c.name, o.value});
                }
            }
        } else if (c.kind == ControlKind::Input && c.type == "file") {
            entries.push_back({c.name, "", true});
        } else if (c.kind == ControlKind::Input && c.type == "hidden" && asciiLower(c.name) == "_charset_") {
            entries.push_back({c.name, std::string(charset)});
        } else {
            entries.push_back({c.name, c.value});
        }
    }
    return entries;
}

std::string encodeForCharset(std::string_view utf8, std::string_view charset)
{
    return charset == "windows-1252" ? encodeCp1252(utf8) : std::string(utf8);
}

std::string urlEncodeEntries(const std::vector<FormEntry>& entries, std::string_view charset)
{
    std::string out;
    for (const auto& e : entries) {
        if (!out.empty()) {
            out.push_back('&');
        }
        urlEncodeBytes(encodeForCharset(normalizedLineBreaks(e.name), charset), out);
        out.push_back('=');
        urlEncodeBytes(encodeForCharset(normalizedLineBreaks(e.value), charset), out);
    }
    return out;
}

std::string multipartEncodeEntries(const std::vector<FormEntry>& entries, std::string_view charset, std::string_view boundary)
{
    std::string out;
    for (const auto& e : entries) {
        out.append("--").append(boundary).append("\r\n");
        out.append("Content-Disposition: form-data; name=\"");
        out.append(multipartQuoted(encodeForCharset(normalizedLineBreaks(e.name), charset))).append("\"");
        if (e.isFile) {
            out.append("; filename=\"").append(multipartQuoted(encodeForCharset(e.value, charset))).append("\"\r\n");
            out.append("Content-Type: application/octet-stream\r\n\r\n\r\n");
            continue;
        }
        out.append("\r\n\r\n");
        out.append(encodeForCharset(normalizedLineBreaks(e.value), charset)).append("\r\n");
    }
    out.append("--").append(boundary).append("--\r\n");
    return out;
}

std::string plainTextEncodeEntries(const std::vector<FormEntry>& entries, std::string_view charset)
{
    std::string out;
    for (const auto& e : entries) {
        out.append(encodeForCharset(normalizedLineBreaks(e.name), charset)).append("=");
        out.append(encodeForCharset(normalizedLineBreaks(e.value), charset)).append("\r\n");
    }
    return out;
}

std::string makeBoundary()
{
    static constexpr char alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device seed;
    std::mt19937 rng(seed());
    std::uniform_int_distribution<int> pick(0, 61);
    std::string b = "----WebKitFormBoundary";
    for (int i = 0; i < 16; ++i) {
        b.push_back(alphabet[pick(rng)]);
    }
    return b;
}

SubmitOutcome submitForm(const HtmlForm& form, std::string_view submitterName, std::string_view documentCharset,
                         std::string boundary)
{
    SubmitOutcome outcome;
    const FormControl* submitter = findControl(form, submitterName);
    if (submitter == nullptr) {
        outcome.error = "the form has no element " + std::string(submitterName);
        return outcome;
    }
    if (!isSubmitButton(*submitter) || submitter->disabled) {
        outcome.error = "the element " + std::string(submitterName) + " does not submit the form";
        return outcome;
    }
    const std::string method = methodOf(submitter->formMethod ? *submitter->formMethod : form.method);
    if (method == "DIALOG") {
        outcome.error = "the form only closes a dialog";
        return outcome;
    }
    const std::string enctype = enctypeOf(submitter->formEnctype ? *submitter->formEnctype : form.enctype);
    const std::string charset = submissionCharset(form, documentCharset);
    const auto entries = buildEntryList(form, submitter, charset);

    FormRequest request;
    request.method = method;
    request.action = submitter->formAction ? *submitter->formAction : form.action.value_or("");
    if (method == "GET") {
        request.body = urlEncodeEntries(entries, charset);
    } else if (enctype == "multipart/form-data") {
        if (boundary.empty()) {
            boundary = makeBoundary();
        }
        request.contentType = "multipart/form-data; boundary=" + boundary;
        request.body = multipartEncodeEntries(entries, charset, boundary);
    } else if (enctype == "text/plain") {
        request.contentType = "text/plain";
        request.body = plainTextEncodeEntries(entries, charset);
    } else {
        request.contentType = "application/x-www-form-urlencoded";
        request.body = urlEncodeEntries(entries, charset);
    }
    outcome.request = std::move(request);
    return outcome;
}

} // namespace zw::online
