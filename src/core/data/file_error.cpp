#include "core/data/file_error.h"

#include <cerrno>
#include <string>

namespace zorikan {

FileError FileErrorFromErrno(int code) {
    switch (code) {
        case ENOSPC:
#ifdef EDQUOT  // not a Windows error
        case EDQUOT:
#endif
        case EFBIG:
            return FileError{Text(text::kDiskFull)};
        case EACCES:
        case EPERM:
        case EROFS:
        case EISDIR:
        case ETXTBSY:
            return FileError{Text(text::kAccessDenied)};
        case ENOENT:
        case ENOTDIR:
            return FileError{Text(text::kFileNotFound)};
        default:
            return FileError{Text(text::kInputOutputError, {std::to_string(code)})};
    }
}

}  // namespace zorikan
