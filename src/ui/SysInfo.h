// The About window's "System Info..." button: reading the system-information program's place from
// a key store (the registry's contract, kept for its callers) and starting it, or saying it is unavailable.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "base/MessagePort.h"

namespace rq {

inline constexpr std::uint32_t HKEY_LOCAL_MACHINE = 0x80000002u;
inline constexpr std::uint32_t KEY_ALL_ACCESS = 0x2003Fu;
inline constexpr std::uint32_t REG_SZ = 1;
inline constexpr std::uint32_t REG_DWORD = 4;

using KeyHandle = std::uint32_t;

// A store of keys and typed values with the registry's calls: open a key, read a value into a
// buffer of a given size, close the key. Each call returns true on success.
class KeyStore {
public:
    virtual ~KeyStore() = default;
    virtual bool OpenKey(std::uint32_t root, const std::string& keyName, std::uint32_t access, KeyHandle& handle) = 0;
    // Reads a value's bytes into `buffer`, at most `size` of them; `size` becomes the count read.
    // Fails when the value is missing or longer than `size`.
    virtual bool QueryValue(KeyHandle handle, const std::string& valueName, std::uint32_t& type, std::string& buffer,
                            std::size_t& size) = 0;
    virtual void CloseKey(KeyHandle handle) = 0;
};

// A key store held in memory: tests fill it, and the game fills it with what it finds on the system.
class MemoryKeyStore : public KeyStore {
public:
    // Stores a value's bytes as given (a text may carry its terminating NUL or not).
    void SetValue(std::uint32_t root, const std::string& keyName, const std::string& valueName, std::uint32_t type,
                  const std::string& bytes);

    bool OpenKey(std::uint32_t root, const std::string& keyName, std::uint32_t access, KeyHandle& handle) override;
    bool QueryValue(KeyHandle handle, const std::string& valueName, std::uint32_t& type, std::string& buffer,
                    std::size_t& size) override;
    void CloseKey(KeyHandle handle) override;

    // Keys opened and not closed again.
    std::size_t OpenHandles() const { return open_.size(); }

private:
    struct Value {
        std::uint32_t Type = 0;
        std::string Bytes;
    };
    std::map<std::tuple<std::uint32_t, std::string, std::string>, Value> values_;
    std::map<KeyHandle, std::pair<std::uint32_t, std::string>> open_;
    KeyHandle next_ = 1;
};

// Reads one value as text: a REG_SZ text without a trailing NUL, a REG_DWORD as its decimal number;
// other types leave keyVal as it was. False (and keyVal empty) when the key or the value is missing.
bool GetKeyValue(KeyStore& store, std::uint32_t keyRoot, const std::string& keyName, const std::string& subKeyRef,
                 std::string& keyVal);

inline constexpr const char* kSysInfoUnavailable = "System Information Is Unavailable At This Time";

// Starts the system-information program named by the store, or the MSINFO32.EXE of the folder it
// names when that file exists; otherwise, or when starting fails, shows kSysInfoUnavailable.
// Returns whether a program was started.
bool StartSysInfo(KeyStore& store, const std::function<bool(const std::string&)>& fileExists,
                  const std::function<bool(const std::string&)>& start, MessagePort& messages);

// The well-known system-information programs looked for, in order of preference.
const std::vector<std::string>& SystemInfoPrograms();

// The first of SystemInfoPrograms found in the folders of a PATH-style list, as a full path; "" if none.
std::string FindSystemInfoProgram(const std::string& pathList,
                                  const std::function<bool(const std::string&)>& fileExists);

// The store the game reads on this system: the found program as the MSINFO "PATH" value.
MemoryKeyStore SystemKeyStore(const std::string& pathList, const std::function<bool(const std::string&)>& fileExists);

}  // namespace rq
