#include "pelgo/ProgramFolder.h"

#include <filesystem>
#include <system_error>

namespace pelgo {

namespace {

std::string& overrideFolder()
{
    static std::string folder;
    return folder;
}

std::string executableFolder()
{
    std::error_code error;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        return std::filesystem::current_path(error).string();
    return exe.parent_path().string();
}

} // namespace

std::string programFolder()
{
    if (!overrideFolder().empty())
        return overrideFolder();
    static const std::string folder = executableFolder();
    return folder;
}

void setProgramFolder(const std::string& path)
{
    overrideFolder() = path;
}

std::string dataFilePath(const std::string& fileName)
{
    return programFolder() + "/XML/" + fileName;
}

} // namespace pelgo
