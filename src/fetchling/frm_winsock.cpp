#include "frm_winsock.h"

#include "module_state.h"

namespace fetchling {

ModuleState& moduleState() {
    static ModuleState state;
    return state;
}

frmWinsock::frmWinsock() : Winsock1(new QTcpSocket(this)) {
    setObjectName(QStringLiteral("frmWinsock"));
    Winsock1->setObjectName(QStringLiteral("Winsock1"));
    ++moduleState().hosts;
}

frmWinsock::~frmWinsock() { --moduleState().hosts; }

}  // namespace fetchling
