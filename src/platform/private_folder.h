// Folders of the program's own that hold files nobody else may read or plant: the stand-in
// Windows folder with its SYSTEM folder, where the update window keeps the server's answers
// for a moment and the start-up repair loads components from. Plain C++.
#pragma once

#include <string>
#include <vector>

namespace zw::platform {

enum class FolderState {
    Private,      // a folder of the user's, for the user alone
    Created,      // was missing and is now made for the user alone
    Tightened,    // group or others had access, which is now taken away
    Missing,      // does not exist (and was not to be created)
    Link,         // a symbolic link: refused, whatever it points at
    ForeignOwner, // belongs to another user: refused
    NotAFolder,   // something else has the name: refused
    Failed,       // cannot be looked at, made or tightened
};

struct FolderCheck {
    FolderState state = FolderState::Failed;
    std::string folder;   // the folder the state is about
    bool usable() const {
        return state == FolderState::Private || state == FolderState::Created || state == FolderState::Tightened;
    }
    // Why the folder is not used, as the user is told (German); empty when it is usable.
    std::string problem() const;
};

// Makes sure `path` is a folder for the user alone: created with mode 0700 when missing and
// `create` is set; refused when it is a symbolic link, not a folder or another user's; its
// mode set to 0700 when it is the user's but group or others have access (or the user lacks
// some). On Windows the folders' access lists decide: the folder is only made when asked for
// and then counts as Private.
FolderCheck securePrivateFolder(const std::string& path, bool create);

// The same for each folder of a chain, outermost first; the first refusal ends the walk and is
// returned, otherwise the state of the last folder.
FolderCheck securePrivateFolders(const std::vector<std::string>& chain, bool create);

}  // namespace zw::platform
