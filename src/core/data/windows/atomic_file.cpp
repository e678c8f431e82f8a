#include "core/data/atomic_file.h"

#include <algorithm>
#include <atomic>

#include "core/data/windows/system_file.h"

namespace zorikan {

namespace {

// The marks a saved game keeps when it is replaced; read-only is refused
// before any write.
constexpr DWORD kKeptAttributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                  FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

// The temporary file beside the saved game; removed unless it replaced it.
class TempFile {
public:
    explicit TempFile(std::wstring name) : name_(std::move(name)) {}
    ~TempFile() {
        if (created_) {
            file.close();
            ::DeleteFileW(name_.c_str());
        }
    }
    const std::wstring& name() const { return name_; }

    // Creates it afresh; a file left by an earlier run cut short is replaced.
    // On failure GetLastError() tells why.
    bool create(DWORD flags = FILE_ATTRIBUTE_NORMAL) {
        file.handle = open(flags);
        if (!file.valid() && ::GetLastError() == ERROR_FILE_EXISTS && ::DeleteFileW(name_.c_str()))
            file.handle = open(flags);
        created_ = file.valid() && !(flags & FILE_FLAG_DELETE_ON_CLOSE);
        return file.valid();
    }
    void moved() { created_ = false; }

    Handle file;

private:
    HANDLE open(DWORD flags) {
        return ::CreateFileW(name_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, flags, nullptr);
    }

    std::wstring name_;
    bool created_ = false;
};

std::wstring folderOf(const std::wstring& path) {
    const auto cut = path.find_last_of(L"/\\");
    if (cut == std::wstring::npos) return L".";
    return cut == 0 ? path.substr(0, 1) : path.substr(0, cut);
}

// One name per write, also within one program: the save after an action runs
// on a thread of its own, and two writes must never share a temporary file.
std::wstring tempNameFor(const std::wstring& path) {
    static std::atomic<unsigned> writes{0};
    return path + L".saving-" + std::to_wstring(::GetCurrentProcessId()) + L"-" +
           std::to_wstring(++writes);
}

// The file a save goes to, and what it was before.
struct Target {
    std::wstring path;
    bool exists = false;
    DWORD attributes = 0;
    Handle existing;  // the existing file, opened for writing
};

std::optional<FileError> openTarget(const std::string& path, Target& target) {
    if (path.empty()) return FileError{Text(text::kFileNotFound)};
    target.path = WideName(path);
    target.attributes = ::GetFileAttributesW(target.path.c_str());
    if (target.attributes == INVALID_FILE_ATTRIBUTES) {
        // Not there, or its folder is not: the file to create, whose folder
        // is looked at next.
        const DWORD why = ::GetLastError();
        if (why == ERROR_FILE_NOT_FOUND || why == ERROR_PATH_NOT_FOUND) return std::nullopt;
        return FileErrorFromWindows(why);
    }
    target.exists = true;
    // A folder or a device holds no saved game, and a file marked read-only
    // was marked so on purpose.
    constexpr DWORD kRefused =
        FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE | FILE_ATTRIBUTE_READONLY;
    if (target.attributes & kRefused) return FileError{Text(text::kAccessDenied)};
    // Opening for writing (without truncating) asks the system the real
    // question, with its access lists and locks.
    target.existing.handle = ::CreateFileW(target.path.c_str(), GENERIC_WRITE,
                                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                           nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (!target.existing.valid()) return FileErrorFromWindows(::GetLastError());
    if (::GetFileType(target.existing.handle) != FILE_TYPE_DISK)
        return FileError{Text(text::kAccessDenied)};
    return std::nullopt;
}

// A folder that refuses new files still lets a writable file be written
// where it is.
bool canWriteInPlace(const Target& target, DWORD createError) {
    return target.existing.valid() && createError == ERROR_ACCESS_DENIED;
}

std::optional<FileError> writeAll(HANDLE file, std::string_view content) {
    std::size_t done = 0;
    while (done < content.size()) {
        const DWORD chunk =
            static_cast<DWORD>(std::min<std::size_t>(content.size() - done, 1 << 20));
        DWORD n = 0;
        if (!::WriteFile(file, content.data() + done, chunk, &n, nullptr))
            return FileErrorFromWindows(::GetLastError());
        if (n == 0) return FileErrorFromWindows(ERROR_DISK_FULL);
        done += n;
    }
    return std::nullopt;
}

std::optional<FileError> writeInPlace(Target& target, std::string_view content) {
    // Over the old bytes first, then cut the rest.
    const HANDLE file = target.existing.handle;
    if (auto error = writeAll(file, content)) return error;
    if (!::SetEndOfFile(file) || !::FlushFileBuffers(file))
        return FileErrorFromWindows(::GetLastError());
    LARGE_INTEGER written{};
    if (!::GetFileSizeEx(file, &written)) return FileErrorFromWindows(::GetLastError());
    if (written.QuadPart != static_cast<LONGLONG>(content.size()))
        return FileError{Text(text::kInputOutputError, {std::to_string(ERROR_WRITE_FAULT)})};
    target.existing.close();
    return std::nullopt;
}

std::optional<FileError> replaceWith(Target& target, TempFile& temp, std::string_view content) {
    // The old file must be free to be replaced.
    target.existing.close();
    if (auto error = writeAll(temp.file.handle, content)) return error;
    if (!::FlushFileBuffers(temp.file.handle)) return FileErrorFromWindows(::GetLastError());
    temp.file.close();
    if (target.exists) {
        // Keeps the old file's attributes, access lists and creation time.
        if (!::ReplaceFileW(target.path.c_str(), temp.name().c_str(), nullptr,
                            REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr))
            return FileErrorFromWindows(::GetLastError());
        temp.moved();
        const DWORD kept = target.attributes & kKeptAttributes;
        const DWORD now = ::GetFileAttributesW(target.path.c_str());
        if (now != INVALID_FILE_ATTRIBUTES && (now & kKeptAttributes) != kept)
            ::SetFileAttributesW(target.path.c_str(), (now & ~kKeptAttributes) | kept);
        return std::nullopt;
    }
    if (!::MoveFileExW(temp.name().c_str(), target.path.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return FileErrorFromWindows(::GetLastError());
    temp.moved();
    return std::nullopt;
}

}  // namespace

std::optional<FileError> WriteFileAtomically(const std::string& path, std::string_view content) {
    Target target;
    if (auto error = openTarget(path, target)) return error;
    TempFile temp(tempNameFor(target.path));
    if (temp.create()) return replaceWith(target, temp, content);
    const DWORD why = ::GetLastError();
    if (canWriteInPlace(target, why)) return writeInPlace(target, content);
    return FileErrorFromWindows(why);
}

std::optional<FileError> CheckFileWritable(const std::string& path) {
    Target target;
    if (auto error = openTarget(path, target)) return error;
    const DWORD folder = ::GetFileAttributesW(folderOf(target.path).c_str());
    if (folder == INVALID_FILE_ATTRIBUTES || !(folder & FILE_ATTRIBUTE_DIRECTORY))
        return FileError{Text(text::kFolderNotFound)};
    // The same temporary file a save creates, gone again when closed.
    TempFile probe(tempNameFor(target.path));
    if (probe.create(FILE_ATTRIBUTE_NORMAL | FILE_FLAG_DELETE_ON_CLOSE)) return std::nullopt;
    const DWORD why = ::GetLastError();
    if (canWriteInPlace(target, why)) return std::nullopt;
    return FileErrorFromWindows(why);
}

}  // namespace zorikan
