#include "common/grid/WorkstationIdentity.h"
#include "support/Printers.h"
#include "support/ScriptedPrompter.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

WorkstationIdentity::HostName unreadable()
{
    return {QString(), 10093};
}

TEST(WorkstationIdentityTest, AnUnreadableNameGivesEmptyTextsAfterEachRoutinesMessage)
{
    ScriptedPrompter prompter;
    bool addressAsked = false;
    WorkstationIdentity identity(prompter, unreadable, [&] {
        addressAsked = true;
        return QStringLiteral("10.0.0.5");
    });
    EXPECT_EQ(identity.LocalHostName(), "");
    EXPECT_EQ(identity.LocalIpAddress(), "");
    EXPECT_FALSE(addressAsked);
    EXPECT_EQ(prompter.texts(),
              QStringList({"Windows Sockets error 10093 has occurred.  Unable to successfully "
                           "get Host Name.",
                           "Windows Sockets error 10093 has occurred. Unable to successfully get "
                           "Host Name."}));
}

TEST(WorkstationIdentityTest, FallsBackToTheLoopbackAddressWithoutANetwork)
{
    ScriptedPrompter prompter;
    WorkstationIdentity identity(
        prompter,
        [] {
            return WorkstationIdentity::HostName{"caja-3", 0};
        },
        [] { return QString(); });
    EXPECT_EQ(identity.LocalHostName(), "caja-3");
    EXPECT_EQ(identity.LocalIpAddress(), "127.0.0.1");
    EXPECT_TRUE(prompter.messages().empty());
}

TEST(WorkstationIdentityTest, ReadsThisMachine)
{
    ScriptedPrompter prompter;
    WorkstationIdentity identity(prompter);
    EXPECT_FALSE(identity.LocalHostName().isEmpty());
    const QRegularExpression dotted("^\\d{1,3}\\.\\d{1,3}\\.\\d{1,3}\\.\\d{1,3}$");
    EXPECT_TRUE(dotted.match(identity.LocalIpAddress()).hasMatch());
    EXPECT_TRUE(prompter.messages().empty());
}

} // namespace
