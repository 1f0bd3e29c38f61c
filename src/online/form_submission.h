#pragma once
// Submitting a form the way a browser does when one of its submit buttons is clicked: the
// entry list of the successful controls, encoded by the form's enctype and charset, sent by
// its method to its action.

#include "html_form.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zw::online {

struct FormEntry {
    std::string name;
    std::string value;
    bool isFile = false;    // a file chooser without a file: an empty file part
};

struct FormRequest {
    std::string method;       // "GET" or "POST"
    std::string action;       // as written (the submitter's formaction first); empty: the page itself
    std::string contentType;  // POST only
    std::string body;         // POST body; for GET the query that replaces the action's
};

struct SubmitOutcome {
    std::optional<FormRequest> request;
    std::string error;        // why there is no request
};

// The entry list for a submission by `submitter` (one of the form's controls, or none).
std::vector<FormEntry> buildEntryList(const HtmlForm& form, const FormControl* submitter, std::string_view charset);

// Bytes of a text in the submission's charset ("UTF-8" or "windows-1252").
std::string encodeForCharset(std::string_view utf8, std::string_view charset);

std::string urlEncodeEntries(const std::vector<FormEntry>& entries, std::string_view charset);
std::string multipartEncodeEntries(const std::vector<FormEntry>& entries, std::string_view charset, std::string_view boundary);
std::string plainTextEncodeEntries(const std::vector<FormEntry>& entries, std::string_view charset);

// A boundary like the one Chromium uses ("----WebKitFormBoundary" and 16 random characters).
std::string makeBoundary();

// Clicks the control named (or with the id) `submitterName`, which must be a submit button.
// `documentCharset` is the page's; the boundary is made when empty.
SubmitOutcome submitForm(const HtmlForm& form, std::string_view submitterName, std::string_view documentCharset,
                         std::string boundary = {});

} // namespace zw::online
