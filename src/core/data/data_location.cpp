#include "core/data/data_location.h"

#include <filesystem>

#include "core/data/file_path.h"

namespace zorikan {

namespace {

bool HoldsDataFile(const std::string& folder) {
    if (folder.empty()) return false;
    std::error_code error;
    return std::filesystem::exists(PathFromUtf8(folder) / kDataFileName, error);
}

}  // namespace

std::string FindDataFolder(const std::string& executableFolder,
                           const std::string& installedFolder) {
    if (!HoldsDataFile(executableFolder) && HoldsDataFile(installedFolder)) return installedFolder;
    return executableFolder;
}

}  // namespace zorikan
