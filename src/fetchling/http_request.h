// The request the component sends: five lines, each ended by CR LF.
#pragma once

#include "url_split.h"

#include <string>

namespace fetchling {

std::string buildRequest(const UrlParts& url);

}  // namespace fetchling
