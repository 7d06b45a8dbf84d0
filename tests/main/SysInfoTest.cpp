// The system-information lookup: reading values from a key store, starting the program or saying it
// is unavailable, and finding a well-known program on the PATH.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "main/SysInfo.h"

namespace rq {
namespace {

const std::string kInfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string kLocationKey = "SOFTWARE\\Microsoft\\Shared Tools Location";

class Messages : public MessagePort {
public:
    void ShowMessage(const std::string& text) override { Shown.push_back(text); }
    bool AskYesNo(const std::string&) override { return false; }
    std::vector<std::string> Shown;
};

TEST(GetKeyValueTest, ATextComesBackWithoutItsTerminatingNul) {
    MemoryKeyStore store;
    store.SetValue(HKEY_LOCAL_MACHINE, kInfoKey, "PATH", REG_SZ, std::string("C:\\info.exe") + '\0');
    store.SetValue(HKEY_LOCAL_MACHINE, kInfoKey, "Bare", REG_SZ, "C:\\bare.exe");
    std::string value = "old";
    EXPECT_TRUE(GetKeyValue(store, HKEY_LOCAL_MACHINE, kInfoKey, "PATH", value));
    EXPECT_EQ(value, "C:\\info.exe");
    EXPECT_TRUE(GetKeyValue(store, HKEY_LOCAL_MACHINE, kInfoKey, "Bare", value));
    EXPECT_EQ(value, "C:\\bare.exe");
    EXPECT_EQ(store.OpenHandles(), 0u);
}

TEST(GetKeyValueTest, AMissingKeyOrValueFailsWithAnEmptyTextAndLeavesNoKeyOpen) {
    MemoryKeyStore store;
    store.SetValue(HKEY_LOCAL_MACHINE, kInfoKey, "PATH", REG_SZ, "x");
    std::string value = "old";
    EXPECT_FALSE(GetKeyValue(store, HKEY_LOCAL_MACHINE, "SOFTWARE\\Nothing", "PATH", value));
    EXPECT_EQ(value, "");
    value = "old";
    EXPECT_FALSE(GetKeyValue(store, HKEY_LOCAL_MACHINE, kInfoKey, "Other", value));
    EXPECT_EQ(value, "");
    EXPECT_FALSE(GetKeyValue(store, 0x80000001u, kInfoKey, "PATH", value));  // another root
    EXPECT_EQ(store.OpenHandles(), 0u);
}

TEST(GetKeyValueTest, ANumberReadsAsItsDecimalTextOtherTypesLeaveTheValue) {
    MemoryKeyStore store;
    store.SetValue(HKEY_LOCAL_MACHINE, kInfoKey, "Count", REG_DWORD, std::string("\x2A\x01\x00\x00", 4));
    store.SetValue(HKEY_LOCAL_MACHINE, kInfoKey, "Blob", 3, "abc");
    std::string value;
    EXPECT_TRUE(GetKeyValue(store, HKEY_LOCAL_MACHINE, kInfoKey, "Count", value));
    EXPECT_EQ(value, "298");
    value = "kept";
    EXPECT_TRUE(GetKeyValue(store, HKEY_LOCAL_MACHINE, kInfoKey, "Blob", value));
    EXPECT_EQ(value, "kept");
}

TEST(GetKeyValueTest, AValueLongerThanTheBufferFails) {
    MemoryKeyStore store;
    store.SetValue(HKEY_LOCAL_MACHINE, kInfoKey, "PATH", REG_SZ, std::string(1025, 'a'));
    std::string value = "old";
    EXPECT_FALSE(GetKeyValue(store, HKEY_LOCAL_MACHINE, kInfoKey, "PATH", value));
    EXPECT_EQ(value, "");
    store.SetValue(HKEY_LOCAL_MACHINE, kInfoKey, "PATH", REG_SZ, std::string(1024, 'a'));
    EXPECT_TRUE(GetKeyValue(store, HKEY_LOCAL_MACHINE, kInfoKey, "PATH", value));
    EXPECT_EQ(value.size(), 1024u);
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
    Messages messages;
};

TEST_F(StartSysInfoTest, TheProgramNamedByTheFirstKeyIsStarted) {
    store.SetValue(HKEY_LOCAL_MACHINE, kInfoKey, "PATH", REG_SZ, std::string("/usr/bin/hardinfo") + '\0');
    store.SetValue(HKEY_LOCAL_MACHINE, kLocationKey, "MSINFO", REG_SZ, "C:\\Tools");
    EXPECT_TRUE(Run());
    EXPECT_EQ(started, std::vector<std::string>({"/usr/bin/hardinfo"}));
    EXPECT_TRUE(messages.Shown.empty());
}

TEST_F(StartSysInfoTest, TheSecondKeyNeedsTheProgramInItsFolder) {
    store.SetValue(HKEY_LOCAL_MACHINE, kLocationKey, "MSINFO", REG_SZ, "C:\\Tools");
    EXPECT_FALSE(Run());
    EXPECT_TRUE(started.empty());
    EXPECT_EQ(messages.Shown, std::vector<std::string>({"System Information Is Unavailable At This Time"}));
    files.insert("C:\\Tools\\MSINFO32.EXE");
    EXPECT_TRUE(Run());
    EXPECT_EQ(started, std::vector<std::string>({"C:\\Tools\\MSINFO32.EXE"}));
}

TEST_F(StartSysInfoTest, NoKeyOrAFailedStartSaysItIsUnavailable) {
    EXPECT_FALSE(Run());
    EXPECT_EQ(messages.Shown.size(), 1u);
    store.SetValue(HKEY_LOCAL_MACHINE, kInfoKey, "PATH", REG_SZ, "/gone/tool");
    startWorks = false;
    EXPECT_FALSE(Run());
    EXPECT_EQ(messages.Shown.size(), 2u);
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

TEST(FindSystemInfoProgramTest, TheSystemsStoreNamesTheFoundProgram) {
    auto exists = [](const std::string& f) { return f == "/usr/bin/hardinfo"; };
    MemoryKeyStore store = SystemKeyStore("/bin:/usr/bin", exists);
    std::string value;
    EXPECT_TRUE(GetKeyValue(store, HKEY_LOCAL_MACHINE, kInfoKey, "PATH", value));
    EXPECT_EQ(value, "/usr/bin/hardinfo");
    MemoryKeyStore empty = SystemKeyStore("/bin", exists);
    EXPECT_FALSE(GetKeyValue(empty, HKEY_LOCAL_MACHINE, kInfoKey, "PATH", value));
}
#endif

}  // namespace
}  // namespace rq
