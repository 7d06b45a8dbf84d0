// The system-information lookup behind the About window's "System Info..." button.
#include "ui/SysInfo.h"

namespace rq {

namespace {

constexpr const char* kMsInfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr const char* kMsInfoLocationKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
constexpr std::size_t kValueBuffer = 1024;

#ifdef _WIN32
constexpr char kPathListSeparator = ';';
constexpr char kDirSeparator = '\\';
#else
constexpr char kPathListSeparator = ':';
constexpr char kDirSeparator = '/';
#endif

}  // namespace

void MemoryKeyStore::SetValue(std::uint32_t root, const std::string& keyName, const std::string& valueName,
                              std::uint32_t type, const std::string& bytes) {
    values_[{root, keyName, valueName}] = {type, bytes};
}

bool MemoryKeyStore::OpenKey(std::uint32_t root, const std::string& keyName, std::uint32_t /*access*/,
                             KeyHandle& handle) {
    for (const auto& [where, value] : values_) {
        if (std::get<0>(where) == root && std::get<1>(where) == keyName) {
            handle = next_++;
            open_[handle] = {root, keyName};
            return true;
        }
    }
    handle = 0;
    return false;
}

bool MemoryKeyStore::QueryValue(KeyHandle handle, const std::string& valueName, std::uint32_t& type,
                                std::string& buffer, std::size_t& size) {
    const auto key = open_.find(handle);
    if (key == open_.end()) {
        return false;
    }
    const auto value = values_.find({key->second.first, key->second.second, valueName});
    if (value == values_.end() || value->second.Bytes.size() > size) {
        return false;
    }
    type = value->second.Type;
    size = value->second.Bytes.size();
    buffer.replace(0, size, value->second.Bytes);
    return true;
}

void MemoryKeyStore::CloseKey(KeyHandle handle) {
    open_.erase(handle);
}

bool GetKeyValue(KeyStore& store, std::uint32_t keyRoot, const std::string& keyName, const std::string& subKeyRef,
                 std::string& keyVal) {
    KeyHandle handle = 0;
    if (!store.OpenKey(keyRoot, keyName, KEY_ALL_ACCESS, handle)) {
        keyVal.clear();
        store.CloseKey(handle);
        return false;
    }
    std::string buffer(kValueBuffer, ' ');
    std::size_t size = kValueBuffer;
    std::uint32_t type = 0;
    if (!store.QueryValue(handle, subKeyRef, type, buffer, size)) {
        keyVal.clear();
        store.CloseKey(handle);
        return false;
    }
    std::string text = buffer.substr(0, size);
    // A text stored with its terminating NUL comes back without it.
    if (!text.empty() && text.back() == '\0') {
        text.pop_back();
    }
    if (type == REG_SZ) {
        keyVal = text;
    } else if (type == REG_DWORD) {
        std::uint32_t number = 0;
        for (std::size_t i = 0; i < 4 && i < size; ++i) {
            number |= static_cast<std::uint32_t>(static_cast<unsigned char>(buffer[i])) << (8 * i);
        }
        keyVal = std::to_string(number);
    }
    store.CloseKey(handle);
    return true;
}

bool StartSysInfo(KeyStore& store, const std::function<bool(const std::string&)>& fileExists,
                  const std::function<bool(const std::string&)>& start, MessagePort& messages) {
    std::string path;
    bool started = false;
    if (GetKeyValue(store, HKEY_LOCAL_MACHINE, kMsInfoKey, "PATH", path)) {
        started = start(path);
    } else if (GetKeyValue(store, HKEY_LOCAL_MACHINE, kMsInfoLocationKey, "MSINFO", path)) {
        const std::string program = path + "\\MSINFO32.EXE";
        if (fileExists(program)) {
            started = start(program);
        }
    }
    if (!started) {
        messages.ShowMessage(kSysInfoUnavailable);
    }
    return started;
}

const std::vector<std::string>& SystemInfoPrograms() {
    static const std::vector<std::string> programs = {
#ifdef _WIN32
        "msinfo32.exe",
#else
        "hardinfo2", "hardinfo", "kinfocenter",          "cpu-x",
        "i-nex",     "lshw-gtk", "gnome-system-monitor", "mate-system-monitor",
#endif
    };
    return programs;
}

std::string FindSystemInfoProgram(const std::string& pathList,
                                  const std::function<bool(const std::string&)>& fileExists) {
    std::vector<std::string> folders;
    std::size_t from = 0;
    while (from <= pathList.size()) {
        std::size_t to = pathList.find(kPathListSeparator, from);
        if (to == std::string::npos) {
            to = pathList.size();
        }
        if (to > from) {
            folders.push_back(pathList.substr(from, to - from));
        }
        from = to + 1;
    }
    for (const std::string& program : SystemInfoPrograms()) {
        for (std::string folder : folders) {
            if (folder.back() != kDirSeparator) {
                folder += kDirSeparator;
            }
            const std::string candidate = folder + program;
            if (fileExists(candidate)) {
                return candidate;
            }
        }
    }
    return {};
}

MemoryKeyStore SystemKeyStore(const std::string& pathList, const std::function<bool(const std::string&)>& fileExists) {
    MemoryKeyStore store;
    const std::string program = FindSystemInfoProgram(pathList, fileExists);
    if (!program.empty()) {
        // Stored the way the registry keeps a text, with its terminating NUL.
        store.SetValue(HKEY_LOCAL_MACHINE, kMsInfoKey, "PATH", REG_SZ, program + std::string(1, '\0'));
    }
    return store;
}

}  // namespace rq
