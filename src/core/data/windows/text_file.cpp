#include "core/data/text_file.h"

#include "core/data/windows/system_file.h"

namespace zorikan {

std::optional<FileError> ReadTextFile(const std::string& path, std::string& text) {
    // A folder does not open this way: it is "File access denied".
    Handle file(::CreateFileW(WideName(path).c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) return FileErrorFromWindows(::GetLastError());
    // A device or pipe is no file of the game, and could wait forever.
    if (::GetFileType(file.handle) != FILE_TYPE_DISK) return FileError{Text(text::kAccessDenied)};

    std::string content;
    LARGE_INTEGER size{};
    if (::GetFileSizeEx(file.handle, &size))
        content.reserve(static_cast<std::size_t>(size.QuadPart));
    char chunk[1 << 16];
    for (;;) {
        DWORD n = 0;
        if (!::ReadFile(file.handle, chunk, sizeof chunk, &n, nullptr))
            return FileErrorFromWindows(::GetLastError());
        if (n == 0) break;
        content.append(chunk, n);
    }
    text = std::move(content);
    return std::nullopt;
}

}  // namespace zorikan
