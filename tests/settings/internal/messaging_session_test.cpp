// The session refresh that range verification runs for every record.
#include <gtest/gtest.h>

#include "env/session.h"
#include "platform/hosted/machine.h"
#include "settings/messaging_session.h"
#include "support/records.h"
#include "support/registry.h"

namespace {

using namespace nw;
using namespace nw::test;

const WString kMessaging = PrinterKey(W("Office"), W("Messaging Interface Settings"));

std::uint32_t SessionField(const NordwispDEVMODE& record) { return At<std::uint32_t>(record, 4452); }

void RunInSession(std::uint32_t session) {
    auto identity = nw::hosted::CurrentIdentity();
    identity.sessionId = session;
    nw::hosted::SetIdentity(identity);
}

TEST(SessionRefresh, WindowsSessionBecomesRecordAndRegistryIdentifier) {
    RunInSession(5);
    auto record = MakeRecord(u"Office");
    Put<std::uint32_t>(record, 4452, 9);

    // Switch missing: nothing happens.
    EXPECT_EQ(env::RefreshSessionID(&record), 1);
    EXPECT_EQ(SessionField(record), 9u);
    EXPECT_FALSE(ReadRaw(HKEY_CURRENT_USER, kMessaging, W("Messaging Interface ID")));

    // Any case of "yes" turns it on.
    StoreText(kMessaging, W("Use Windows Session ID"), W("yEs"));
    EXPECT_EQ(env::RefreshSessionID(&record), 1);
    EXPECT_EQ(SessionField(record), 5u);
    EXPECT_EQ(StoredDword(kMessaging, W("Messaging Interface ID")), 5u);

    // "No" (or anything but yes) leaves both alone.
    StoreText(kMessaging, W("Use Windows Session ID"), W("Yes please"));
    RunInSession(6);
    EXPECT_EQ(env::RefreshSessionID(&record), 1);
    EXPECT_EQ(SessionField(record), 5u);
    EXPECT_EQ(StoredDword(kMessaging, W("Messaging Interface ID")), 5u);
}

}  // namespace
