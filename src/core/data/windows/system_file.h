#pragma once
// What the Windows versions of the file operations share: wide file names,
// handles closed on scope exit and the player's texts of Windows errors.

#include <windows.h>

#include <string>

#include "core/data/file_error.h"

namespace zorikan {

// The UTF-8 name as Windows takes it, in UTF-16.
std::wstring WideName(const std::string& name);

// "Disk full", "File access denied", "File not found" or "I/O error <code>"
// for an error code of GetLastError().
FileError FileErrorFromWindows(DWORD code);

// A handle closed when it goes out of scope.
struct Handle {
    HANDLE handle = INVALID_HANDLE_VALUE;
    Handle() = default;
    explicit Handle(HANDLE h) : handle(h) {}
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    ~Handle() { close(); }
    bool valid() const { return handle != INVALID_HANDLE_VALUE; }
    void close() {
        if (valid()) ::CloseHandle(handle);
        handle = INVALID_HANDLE_VALUE;
    }
};

}  // namespace zorikan
