#pragma once

// Small helpers shared by the tests: switch the regional settings and the
// program folder for the length of a scope.

#include "pelgo/ProgramFolder.h"

#include <gtest/gtest.h>

#include <locale>
#include <string>

namespace pelgo::test {

// The global C++ locale for the scope: "pt_BR.UTF-8" (comma decimal, point
// grouping) or "en_US.UTF-8" (point decimal, comma grouping).
class LocaleGuard {
public:
    explicit LocaleGuard(const char* name)
        : previous_(std::locale())
    {
        std::locale::global(std::locale(name));
    }
    ~LocaleGuard() { std::locale::global(previous_); }
    LocaleGuard(const LocaleGuard&) = delete;
    LocaleGuard& operator=(const LocaleGuard&) = delete;

private:
    std::locale previous_;
};

inline constexpr const char* kCommaLocale = "pt_BR.UTF-8";
inline constexpr const char* kPointLocale = "en_US.UTF-8";

// The program folder for the scope; data files are read from <folder>/XML/.
class ProgramFolderGuard {
public:
    explicit ProgramFolderGuard(const std::string& folder) { setProgramFolder(folder); }
    ~ProgramFolderGuard() { setProgramFolder(""); }
    ProgramFolderGuard(const ProgramFolderGuard&) = delete;
    ProgramFolderGuard& operator=(const ProgramFolderGuard&) = delete;
};

// A fixture folder below lib/tests/fixtures (it holds an XML/ folder).
inline std::string fixture(const std::string& name)
{
    return std::string(PELGO_FIXTURES_DIR) + "/" + name;
}

// The shipped data of the source tree (data/XML).
inline std::string shippedData()
{
    return std::string(PELGO_SOURCE_DIR) + "/data";
}

} // namespace pelgo::test
