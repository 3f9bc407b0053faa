#include "process_footprint.h"

#include <tlhelp32.h>
#include <winternl.h>

#include <algorithm>
#include <cwctype>
#include <set>
#include <string_view>

namespace {

constexpr auto infoLengthMismatch = static_cast<NTSTATUS>(0xC0000004); // the buffer was too small

std::string narrow(const wchar_t* text) {
    std::string result;
    for (const wchar_t* c = text; *c != L'\0'; ++c) {
        result.push_back(*c < 0x80 ? static_cast<char>(*c) : '?');
    }
    return result;
}

// The system's handle table: one entry per handle of every process.
std::vector<unsigned char> systemHandleTable() {
    std::vector<unsigned char> table(64 * 1024);
    for (;;) {
        ULONG needed = 0;
        const NTSTATUS status = NtQuerySystemInformation(SystemHandleInformation, table.data(),
                                                         static_cast<ULONG>(table.size()), &needed);
        if (status != infoLengthMismatch) {
            return status == 0 ? table : std::vector<unsigned char>{};
        }
        table.resize(std::max<std::size_t>(table.size() * 2, needed));
    }
}

std::vector<HANDLE> handlesOf(DWORD processId) {
    const std::vector<unsigned char> table = systemHandleTable();
    std::vector<HANDLE> handles;
    if (table.empty()) {
        return handles;
    }
    const auto* information = reinterpret_cast<const SYSTEM_HANDLE_INFORMATION*>(table.data());
    for (ULONG i = 0; i < information->Count; ++i) {
        const SYSTEM_HANDLE_ENTRY& entry = information->Handle[i];
        if (entry.OwnerPid == processId) {
            handles.push_back(reinterpret_cast<HANDLE>(static_cast<ULONG_PTR>(entry.HandleValue)));
        }
    }
    return handles;
}

// A copy in this process of a handle another process holds, closed again when it goes.
class HandleCopy {
  public:
    HandleCopy(HANDLE owner, HANDLE handle) {
        if (DuplicateHandle(owner, handle, GetCurrentProcess(), &copy_, 0, FALSE, DUPLICATE_SAME_ACCESS) ==
            FALSE) {
            copy_ = nullptr;
        }
    }
    ~HandleCopy() {
        if (copy_ != nullptr) {
            CloseHandle(copy_);
        }
    }
    HandleCopy(const HandleCopy&) = delete;
    HandleCopy& operator=(const HandleCopy&) = delete;

    HANDLE get() const { return copy_; }

  private:
    HANDLE copy_ = nullptr;
};

bool isConsoleHost(HANDLE process) {
    wchar_t path[MAX_PATH] = {};
    DWORD size = MAX_PATH;
    if (QueryFullProcessImageNameW(process, 0, path, &size) == FALSE) {
        return false;
    }
    std::wstring name(path, size);
    std::transform(name.begin(), name.end(), name.begin(), [](wchar_t c) { return std::towlower(c); });
    return std::wstring_view(name).ends_with(L"\\conhost.exe");
}

} // namespace

std::vector<std::string> visibleProcessNames() {
    std::vector<std::string> names;
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) {
        return names;
    }
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot, &entry); more != FALSE;
         more = Process32NextW(snapshot, &entry)) {
        names.push_back(narrow(entry.szExeFile));
    }
    CloseHandle(snapshot);
    return names;
}

HandleCount handleCountOf(const PROCESS_INFORMATION& process) {
    HandleCount count;
    std::set<DWORD> consoleHosts;
    std::vector<DWORD> threadOwners; // the process of each thread handle
    for (HANDLE handle : handlesOf(process.dwProcessId)) {
        ++count.total;
        const HandleCopy copy(process.hProcess, handle);
        if (const DWORD processId = GetProcessId(copy.get()); processId != 0) {
            if (isConsoleHost(copy.get())) {
                consoleHosts.insert(processId);
                ++count.toConsoleHosts;
            }
        } else if (const DWORD owner = GetProcessIdOfThread(copy.get()); owner != 0) {
            threadOwners.push_back(owner);
        }
    }
    count.toConsoleHosts += static_cast<DWORD>(std::count_if(
        threadOwners.begin(), threadOwners.end(), [&](DWORD owner) { return consoleHosts.contains(owner); }));
    return count;
}
