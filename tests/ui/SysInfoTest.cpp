// The system-information lookup: reading values from a key store, starting the program or saying it
// is unavailable, and finding a well-known program on the PATH.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "sprite/SpriteTestSupport.h"
#include "ui/SysInfo.h"

namespace rq {
namespace {

const std::string kInfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string kLocationKey = "SOFTWARE\\Microsoft\\Shared Tools Location";

// Texts lose their terminating NUL, and a missing key or value or one longer than the 1024-byte buffer
// fails with an empty text; no key is left open either way. (The store the game fills holds texts only.)
TEST(GetKeyValueTest, ReadsTextsAndFailsEmptyOnMissingOrOversizedValues) {
    MemoryKeyStore store;
    store.SetValue(HKEY_LOCAL_MACHINE, kInfoKey, "Nul", REG_SZ, std::string("C:\\info.exe") + '\0');
    store.SetValue(HKEY_LOCAL_MACHINE, kInfoKey, "Bare", REG_SZ, "C:\\bare.exe");
    store.SetValue(HKEY_LOCAL_MACHINE, kInfoKey, "Full", REG_SZ, std::string(1024, 'a'));
    store.SetValue(HKEY_LOCAL_MACHINE, kInfoKey, "Over", REG_SZ, std::string(1025, 'a'));
    const struct {
        std::uint32_t root;
        std::string key, name;
        bool found;
        std::string value;  // what "old" becomes
    } cases[] = {
        {HKEY_LOCAL_MACHINE, kInfoKey, "Nul", true, "C:\\info.exe"},
        {HKEY_LOCAL_MACHINE, kInfoKey, "Bare", true, "C:\\bare.exe"},
        {HKEY_LOCAL_MACHINE, kInfoKey, "Full", true, std::string(1024, 'a')},
        {HKEY_LOCAL_MACHINE, kInfoKey, "Over", false, ""},
        {HKEY_LOCAL_MACHINE, kInfoKey, "Other", false, ""},
        {HKEY_LOCAL_MACHINE, "SOFTWARE\\Nothing", "Nul", false, ""},
        {0x80000001u, kInfoKey, "Nul", false, ""},  // another root
    };
    for (const auto& c : cases) {
        std::string value = "old";
        EXPECT_EQ(GetKeyValue(store, c.root, c.key, c.name, value), c.found) << c.name;
        EXPECT_EQ(value, c.value) << c.name;
    }
    EXPECT_EQ(store.OpenHandles(), 0u);
}

class StartSysInfoTest : public ::testing::Test {
protected:
    bool Run() {
        return StartSysInfo(
            store, [this](const std::string& f) { return files.count(f) > 0; },
            [this](const std::string& p) {
                started.push_back(p);
                return startWorks;
            },
            messages);
    }
    MemoryKeyStore store;
    std::set<std::string> files;
    std::vector<std::string> started;
    bool startWorks = true;
    test::RecordingMessages messages;
};

TEST_F(StartSysInfoTest, TheFirstKeysProgramOrTheSecondKeysFolderOrUnavailable) {
    EXPECT_FALSE(Run());
    EXPECT_EQ(messages.Shown, std::vector<std::string>({"System Information Is Unavailable At This Time"}));
    store.SetValue(HKEY_LOCAL_MACHINE, kLocationKey, "MSINFO", REG_SZ, "C:\\Tools");
    EXPECT_FALSE(Run()) << "the second key needs the program in its folder";
    files.insert("C:\\Tools\\MSINFO32.EXE");
    EXPECT_TRUE(Run());
    store.SetValue(HKEY_LOCAL_MACHINE, kInfoKey, "PATH", REG_SZ, std::string("/usr/bin/hardinfo") + '\0');
    EXPECT_TRUE(Run());
    EXPECT_EQ(started, std::vector<std::string>({"C:\\Tools\\MSINFO32.EXE", "/usr/bin/hardinfo"}));
    startWorks = false;
    EXPECT_FALSE(Run());
    EXPECT_EQ(messages.Shown.size(), 3u);
    EXPECT_EQ(messages.Shown.back(), kSysInfoUnavailable);
}

#ifndef _WIN32
TEST(FindSystemInfoProgramTest, TheFirstWellKnownProgramOnThePathWins) {
    const std::set<std::string> files = {"/opt/x/kinfocenter", "/usr/bin/hardinfo", "/usr/local/bin/hardinfo"};
    auto exists = [&](const std::string& f) { return files.count(f) > 0; };
    // hardinfo comes before kinfocenter in the list; among folders the PATH's order decides.
    EXPECT_EQ(FindSystemInfoProgram("/opt/x:/usr/local/bin/:/usr/bin", exists), "/usr/local/bin/hardinfo");
    EXPECT_EQ(FindSystemInfoProgram("/opt/x", exists), "/opt/x/kinfocenter");
    EXPECT_EQ(FindSystemInfoProgram("::/nowhere:", exists), "");
    EXPECT_EQ(FindSystemInfoProgram("", exists), "");
}
#endif

}  // namespace
}  // namespace rq
