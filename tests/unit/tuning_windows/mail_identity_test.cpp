// The splash switch follows the last identity that the enumeration returns, and writes
// nothing while there is no identity.
#include "registry_test_store.h"

#include "tuning/mail_identity.h"

#include <gtest/gtest.h>

namespace zw {
namespace {

class MailIdentity : public test::RegistryStoreTest {
protected:
    static std::string noSplash(const std::string& identity)
    {
        return Registry::GetValueText(1, identityKeyPath(identity), "NoSplash");
    }
    // The enumeration's own last name, whatever order the store keeps.
    static std::string enumeratedLast()
    {
        platform::RegKey key = 0;
        std::string last, name;
        EXPECT_EQ(Registry::OpenKey(1, "Identities", key), platform::kRegOk);
        for (std::uint32_t i = 0; Registry::EnumKey(key, i, name) == platform::kRegOk; ++i)
            last = name;
        Registry::CloseKey(key);
        return last;
    }
};

TEST_F(MailIdentity, NoIdentitiesKeyMeansNoIdentityAndNoWrite)
{
    EXPECT_EQ(lastIdentity(), "");
    EXPECT_FALSE(pollOutlookSplash().identityFound);
    EXPECT_FALSE(writeOutlookSplash(true));
    platform::RegKey key = 0;
    EXPECT_NE(Registry::OpenKey(1, "Identities", key), platform::kRegOk) << "nothing was created";

    Registry::CreateKeyPath(1, "Identities");  // the key alone, no identity below it
    EXPECT_EQ(lastIdentity(), "");
    EXPECT_FALSE(writeOutlookSplash(false));
    ASSERT_EQ(Registry::OpenKey(1, "Identities", key), platform::kRegOk);
    std::string name;
    EXPECT_NE(Registry::EnumKey(key, 0, name), platform::kRegOk) << "still no subkey below Identities";
    Registry::CloseKey(key);
}

TEST_F(MailIdentity, SingleIdentityIsPolledAndWritten)
{
    const std::string id = "{4F0D1A62-8C9B-4A2F-9E1D-3B6C7D8E9F10}";
    Registry::CreateKeyPath(1, "Identities\\" + id);
    EXPECT_EQ(lastIdentity(), id);

    SplashPoll poll = pollOutlookSplash();
    EXPECT_TRUE(poll.identityFound);
    EXPECT_EQ(poll.outcome, PollOutcome::keep()) << "key path missing: both buttons stay";

    EXPECT_TRUE(writeOutlookSplash(true));  // creates the key path
    EXPECT_EQ(noSplash(id), "1");
    EXPECT_EQ(pollOutlookSplash().outcome, PollOutcome::show(ToggleState::Applied));
    EXPECT_TRUE(writeOutlookSplash(false));
    EXPECT_EQ(noSplash(id), "0");
    EXPECT_EQ(pollOutlookSplash().outcome, PollOutcome::show(ToggleState::Default));
}

TEST_F(MailIdentity, OnlyTheLastEnumeratedIdentityIsReadAndWritten)
{
    const std::string a = "{11111111-0000-0000-0000-000000000000}";
    const std::string b = "{22222222-0000-0000-0000-000000000000}";
    Registry::SetDwordValue(1, identityKeyPath(a), "NoSplash", 0);
    Registry::SetDwordValue(1, identityKeyPath(b), "NoSplash", 0);
    const std::string last = enumeratedLast();
    const std::string other = last == a ? b : a;
    ASSERT_EQ(lastIdentity(), last);

    Registry::SetDwordValue(1, identityKeyPath(other), "NoSplash", 1);
    EXPECT_EQ(pollOutlookSplash().outcome, PollOutcome::show(ToggleState::Default)) << "the other one is not read";

    writeOutlookSplash(true);
    EXPECT_EQ(noSplash(last), "1");
    writeOutlookSplash(false);
    EXPECT_EQ(noSplash(last), "0");
    EXPECT_EQ(noSplash(other), "1") << "the other identity keeps its value";

    // Identities change while the window is open: the next poll follows the new last one.
    Registry::DeleteKey(1, identityKeyPath(last));
    Registry::DeleteKey(1, "Identities\\" + last + "\\Software\\Microsoft\\Outlook Express");
    Registry::DeleteKey(1, "Identities\\" + last + "\\Software\\Microsoft");
    Registry::DeleteKey(1, "Identities\\" + last + "\\Software");
    Registry::DeleteKey(1, "Identities\\" + last);
    EXPECT_EQ(lastIdentity(), other);
    EXPECT_EQ(pollOutlookSplash().outcome, PollOutcome::show(ToggleState::Applied));
}

}  // namespace
}  // namespace zw
