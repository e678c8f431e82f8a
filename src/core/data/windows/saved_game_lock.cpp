#include "core/data/saved_game_lock.h"

#include <utility>
#include <vector>

#include "core/data/windows/system_file.h"

namespace zorikan {

namespace {

std::string Utf8Name(const std::wstring& wide) {
    if (wide.empty()) return {};
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                           nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(size), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), narrow.data(),
                          size, nullptr, nullptr);
    return narrow;
}

// The full name, so that a relative and an absolute name find one lock.
std::wstring FullName(const std::wstring& path) {
    const DWORD size = ::GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (size == 0) return path;
    std::vector<wchar_t> full(size);
    const DWORD length = ::GetFullPathNameW(path.c_str(), size, full.data(), nullptr);
    if (length == 0 || length >= size) return path;
    return std::wstring(full.data(), length);
}

}  // namespace

std::string LockNameFor(const std::string& path) {
    const std::wstring full = FullName(WideName(path));
    const auto cut = full.find_last_of(L"\\/");
    const std::wstring folder = cut == std::wstring::npos ? L"" : full.substr(0, cut + 1);
    const std::wstring name = cut == std::wstring::npos ? full : full.substr(cut + 1);
    return Utf8Name(folder + L"." + name + L".lock");
}

bool SavedGameLock::take(const std::string& path) {
    release();
    const std::string name = LockNameFor(path);
    // Opened without sharing, so a second copy cannot open it, and deleted
    // when closed, which the system does for a copy that crashed as well.
    const HANDLE file =
        ::CreateFileW(WideName(name).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                      FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (file == INVALID_HANDLE_VALUE) return ::GetLastError() != ERROR_SHARING_VIOLATION;
    lockName_ = name;
    handle_ = reinterpret_cast<std::intptr_t>(file);
    return true;
}

void SavedGameLock::release() {
    if (handle_ == -1) return;
    ::CloseHandle(reinterpret_cast<HANDLE>(handle_));
    handle_ = -1;
    lockName_.clear();
}

bool SavedGameLock::covers(const std::string& path) const {
    return handle_ != -1 && lockName_ == LockNameFor(path);
}

}  // namespace zorikan
