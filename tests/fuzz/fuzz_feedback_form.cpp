// The feedback page's form: any page bytes are parsed, and every submit button of every form
// is clicked. Any entry list is encoded. However names and values look, the URL-encoded body
// decodes back to exactly the entries (no entry adds, splits or changes another), and the
// multipart body has exactly one part per entry.
//
// Input: a first byte 'E' makes the rest an entry list (name NUL value NUL ...); anything else
// is a page.
#include "fuzz_check.h"
#include "html_form.h"
#include "form_submission.h"
#include "form_values.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

using namespace zw::online;

namespace {

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// Decodes one name or value of an application/x-www-form-urlencoded body; false when it holds
// a byte that the encoding should have escaped.
bool formDecode(std::string_view s, std::string& out) {
    out.clear();
    for (std::size_t i = 0; i < s.size(); ++i) {
        const char c = s[i];
        if (c == '+') {
            out.push_back(' ');
        } else if (c == '%') {
            if (i + 2 >= s.size()) return false;
            const int hi = hexDigit(s[i + 1]);
            const int lo = hexDigit(s[i + 2]);
            if (hi < 0 || lo < 0) return false;
            out.push_back(static_cast<char>(hi * 16 + lo));
            i += 2;
        } else if (c == '&' || c == '=' || static_cast<unsigned char>(c) <= 32 || static_cast<unsigned char>(c) >= 127) {
            return false;
        } else {
            out.push_back(c);
        }
    }
    return true;
}

std::string withoutLineBreaks(std::string s) {
    std::erase(s, '\r');
    std::erase(s, '\n');
    return s;
}

std::size_t countOf(std::string_view hay, std::string_view needle) {
    std::size_t n = 0;
    for (std::size_t at = hay.find(needle); at != std::string_view::npos; at = hay.find(needle, at + 1)) ++n;
    return n;
}

void checkEncodings(const std::vector<FormEntry>& entries, std::string_view charset) {
    const std::string body = urlEncodeEntries(entries, charset);
    std::vector<std::string_view> pairs;
    if (!body.empty()) {
        std::string_view rest = body;
        for (;;) {
            const auto amp = rest.find('&');
            pairs.push_back(rest.substr(0, amp));
            if (amp == std::string_view::npos) break;
            rest.remove_prefix(amp + 1);
        }
    }
    FUZZ_CHECK(pairs.size() == entries.size());
    std::string name;
    std::string value;
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        const auto eq = pairs[i].find('=');
        FUZZ_CHECK(eq != std::string_view::npos);
        FUZZ_CHECK(formDecode(pairs[i].substr(0, eq), name));
        FUZZ_CHECK(formDecode(pairs[i].substr(eq + 1), value));
        // Line breaks are normalised to CR LF before encoding; compare without them.
        FUZZ_CHECK(withoutLineBreaks(name) == withoutLineBreaks(encodeForCharset(entries[i].name, charset)));
        FUZZ_CHECK(withoutLineBreaks(value) == withoutLineBreaks(encodeForCharset(entries[i].value, charset)));
    }

    const std::string boundary = makeBoundary();
    const std::string multipart = multipartEncodeEntries(entries, charset, boundary);
    FUZZ_CHECK(countOf(multipart, "--" + boundary) == entries.size() + 1);

    (void)plainTextEncodeEntries(entries, charset);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    if (!input.empty() && input.front() == 'E') {
        input.remove_prefix(1);
        std::vector<FormEntry> entries;
        while (!input.empty()) {
            FormEntry e;
            auto cut = input.find('\0');
            e.name = std::string(input.substr(0, cut));
            input = cut == std::string_view::npos ? std::string_view{} : input.substr(cut + 1);
            cut = input.find('\0');
            e.value = std::string(input.substr(0, cut));
            input = cut == std::string_view::npos ? std::string_view{} : input.substr(cut + 1);
            entries.push_back(std::move(e));
        }
        checkEncodings(entries, "UTF-8");
        checkEncodings(entries, "windows-1252");
        return 0;
    }

    const HtmlPage page = parseHtmlPage(input);
    FUZZ_CHECK(page.charset == "UTF-8" || page.charset == "windows-1252");
    for (const HtmlForm& form : page.forms) {
        for (const FormControl& control : form.controls) {
            if (control.name.empty()) continue;
            const SubmitOutcome outcome = submitForm(form, control.name, page.charset);
            FUZZ_CHECK(outcome.request.has_value() != !outcome.error.empty());
            if (outcome.request) {
                FUZZ_CHECK(outcome.request->method == "GET" || outcome.request->method == "POST");
                checkEncodings(buildEntryList(form, findControl(form, control.name), page.charset), page.charset);
            }
        }
    }
    return 0;
}
