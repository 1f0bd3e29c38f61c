// Data files named the Windows way, resolved against the program folder.
#include "platform/program_data_path.h"

#include <gtest/gtest.h>

namespace zw::platform {
namespace {

TEST(ProgramDataPath, JoinsTheFolderAndTheNameWithTheFoldersSeparator)
{
    const struct {
        const char* folder;
        std::string_view relative;
        const char* path;
    } cases[] = {
        {"/opt/zunderwerk", kMemoryScriptBelow128, "/opt/zunderwerk/Data/RAMdefrag/less128.vbs"},
        {"/opt/zunderwerk/", kMemoryScriptAbove128, "/opt/zunderwerk/Data/RAM/RAMdefrag/above128.vbs"},
        {"C:\\Programme\\Zunderwerk", kMemoryScriptAbove128, "C:\\Programme\\Zunderwerk\\Data\\RAM\\RAMdefrag\\above128.vbs"},
        {"C:/Programme/Zunderwerk", "\\Data\\Pics\\Misc\\Eule.gif", "C:/Programme/Zunderwerk/Data/Pics/Misc/Eule.gif"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(programDataPath(c.folder, c.relative), c.path);
}

}  // namespace
}  // namespace zw::platform
