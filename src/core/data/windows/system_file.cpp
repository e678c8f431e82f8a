#include "core/data/windows/system_file.h"

namespace zorikan {

std::wstring WideName(const std::string& name) {
    if (name.empty()) return {};
    const int size = static_cast<int>(name.size());
    const int wide = ::MultiByteToWideChar(CP_UTF8, 0, name.data(), size, nullptr, 0);
    std::wstring result(static_cast<std::size_t>(wide), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, name.data(), size, result.data(), wide);
    return result;
}

FileError FileErrorFromWindows(DWORD code) {
    switch (code) {
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            return FileError{Text(text::kDiskFull)};
        case ERROR_ACCESS_DENIED:
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
        case ERROR_WRITE_PROTECT:
            return FileError{Text(text::kAccessDenied)};
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_NAME:
        case ERROR_DIRECTORY:
            return FileError{Text(text::kFileNotFound)};
        default:
            return FileError{Text(text::kInputOutputError, {std::to_string(code)})};
    }
}

}  // namespace zorikan
