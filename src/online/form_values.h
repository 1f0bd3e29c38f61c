#pragma once
// Filling a form's controls the way a page script sets an element's value.

#include "html_form.h"

#include <string>
#include <string_view>

namespace zw::online {

// An input's value after the browser's sanitising for its type: single-line fields lose
// their line breaks, e-mail and URL fields also their surrounding white space.
std::string sanitizedInputValue(std::string_view type, std::string_view value);

// The control a script reaches as form.elements[name]: the first whose name or id matches.
FormControl* findControl(HtmlForm& form, std::string_view nameOrId);
const FormControl* findControl(const HtmlForm& form, std::string_view nameOrId);

// Sets the value of the named control. False when the form has no such control or its value
// cannot be set to a text (a file chooser, a list box).
bool setControlValue(HtmlForm& form, std::string_view nameOrId, std::string_view value);

} // namespace zw::online
