#include <gtest/gtest.h>

#include "platform/com/Guid.h"

namespace {
constexpr GUID kSample = "{0B63AFE1-AE8A-11D5-9414-0800690F2F3F}"_guid;
}

TEST(Guid, ParsesAndFormatsTheBracedForm) {
    EXPECT_EQ(kSample.Data1, 0x0B63AFE1u);
    EXPECT_EQ(kSample.Data2, 0xAE8Au);
    EXPECT_EQ(kSample.Data3, 0x11D5u);
    EXPECT_EQ(kSample.Data4[0], 0x94);
    EXPECT_EQ(kSample.Data4[7], 0x3F);
    EXPECT_EQ(GuidToString(kSample), "{0B63AFE1-AE8A-11D5-9414-0800690F2F3F}");

    GUID g{};
    ASSERT_TRUE(GuidFromString("{0b63afe1-ae8a-11d5-9414-0800690f2f3f}", &g));
    EXPECT_EQ(g, kSample);
    // Round trip over varied bytes.
    const GUID other = "{FFFFFFFF-0000-8001-00FF-7F80010203FE}"_guid;
    ASSERT_TRUE(GuidFromString(GuidToString(other), &g));
    EXPECT_EQ(g, other);
    EXPECT_EQ(GuidToString(GUID_NULL), "{00000000-0000-0000-0000-000000000000}");
}

TEST(Guid, RejectsMalformedText) {
    const GUID before = "{11111111-2222-3333-4444-555555555555}"_guid;
    for (const char* bad :
         {"", "{}", "0B63AFE1-AE8A-11D5-9414-0800690F2F3F", "{0B63AFE1-AE8A-11D5-9414-0800690F2F3F",
          "{0B63AFE1-AE8A-11D5-9414-0800690F2F3F}x", "{0B63AFE1AE8A-11D5-9414-0800690F2F3F0}",
          "{0B63AFE1-AE8A-11D5-9414-0800690F2F3G}", "{0B63AFE1-AE8A-11D5-94140-800690F2F3F}",
          "{+B63AFE1-AE8A-11D5-9414-0800690F2F3F}", "(0B63AFE1-AE8A-11D5-9414-0800690F2F3F)"}) {
        GUID g = before;
        EXPECT_FALSE(GuidFromString(bad, &g)) << bad;
        EXPECT_EQ(g, before) << bad;
    }
    EXPECT_FALSE(GuidFromString("{0B63AFE1-AE8A-11D5-9414-0800690F2F3F}", nullptr));
}
