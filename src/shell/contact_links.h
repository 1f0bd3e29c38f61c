// The addresses handed to the shell by the about window's two links (modules `Website` and
// `Email`). Plain C++, no Qt.
#pragma once

#include <string>
#include <string_view>

namespace zw::shell {

// The mail link: "mailto:" + address, followed by "?subject=" + subject when the subject is not
// empty. Characters that would end or extend the link (blank, "&", "#", "?", "%", control and
// non-ASCII bytes) are percent-encoded, so a subject can never add further header fields;
// ordinary subjects such as "Zunderwerk" stand unchanged.
std::string MailtoLink(std::string_view address, std::string_view subject);

// The address a browser is asked to open: surrounding blanks removed, and "http://" put in
// front of a bare host name such as "www.example.org" (which the Windows shell guesses, but a
// desktop's opener would take for a file). Addresses with a scheme stand as they are; the
// empty text stays empty (nothing to open).
std::string WebsiteAddress(std::string_view address);

}  // namespace zw::shell
