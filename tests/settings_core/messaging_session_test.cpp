// The session refresh that range verification runs for every record.
#include <gtest/gtest.h>

#include "env/session.h"
#include "platform/hosted/machine.h"
#include "settings/messaging_session.h"
#include "settings_core/registry_fixture.h"

namespace {

using namespace nw;
using namespace nw::test;

const WString kMessaging = W("SOFTWARE\\Kelmora Works\\Office\\Messaging Interface Settings");

std::uint32_t SessionField(const NordwispDEVMODE& record) {
    std::uint32_t id;
    std::memcpy(&id, reinterpret_cast<const std::uint8_t*>(&record) + 4452, sizeof id);
    return id;
}

void RunInSession(std::uint32_t session) {
    auto identity = nw::hosted::CurrentIdentity();
    identity.sessionId = session;
    nw::hosted::SetIdentity(identity);
}

TEST(SessionRefresh, WindowsSessionBecomesRecordAndRegistryIdentifier) {
    RunInSession(5);
    auto record = MakePrinterRecord(W("Office"));
    std::memcpy(reinterpret_cast<std::uint8_t*>(&record) + 4452, "\x09\0\0\0", 4);

    // Switch missing: nothing happens.
    EXPECT_EQ(env::RefreshSessionID(&record), 1);
    EXPECT_EQ(SessionField(record), 9u);
    EXPECT_FALSE(ReadRaw(HKEY_CURRENT_USER, kMessaging, W("Messaging Interface ID")));

    // Any case of "yes" turns it on.
    WriteRaw(HKEY_CURRENT_USER, kMessaging, W("Use Windows Session ID"), REG_SZ, TextBytes(W("yEs")));
    EXPECT_EQ(env::RefreshSessionID(&record), 1);
    EXPECT_EQ(SessionField(record), 5u);
    EXPECT_EQ(ReadRaw(HKEY_CURRENT_USER, kMessaging, W("Messaging Interface ID"))->bytes, DwordBytes(5));

    // "No" (or anything but yes) leaves both alone.
    WriteRaw(HKEY_CURRENT_USER, kMessaging, W("Use Windows Session ID"), REG_SZ, TextBytes(W("Yes please")));
    RunInSession(6);
    EXPECT_EQ(env::RefreshSessionID(&record), 1);
    EXPECT_EQ(SessionField(record), 5u);
    EXPECT_EQ(ReadRaw(HKEY_CURRENT_USER, kMessaging, W("Messaging Interface ID"))->bytes, DwordBytes(5));
}

}  // namespace
