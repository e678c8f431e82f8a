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
            return FileError{"Disk full"};
        case EACCES:
        case EPERM:
        case EROFS:
        case EISDIR:
        case ETXTBSY:
            return FileError{"File access denied"};
        case ENOENT:
        case ENOTDIR:
            return FileError{"File not found"};
        default:
            return FileError{"I/O error " + std::to_string(code)};
    }
}

}  // namespace zorikan
