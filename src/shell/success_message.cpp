#include "success_message.h"

#include "platform/services.h"

namespace zw::shell {

void showRegistrySuccess() {
    using namespace zw::platform;
    services().dialogs->messageBox(kRegistrySuccessText, kProgramTitle, MsgIcon::Information, MsgButtons::Ok);
}

void showRegistryFailure() {
    using namespace zw::platform;
    services().dialogs->messageBox(kRegistryFailureText, kProgramTitle, MsgIcon::Exclamation, MsgButtons::Ok);
}

}  // namespace zw::shell
