#pragma once

// A private copy of the engine fixture's data folder for one test, so a test
// can remove or rewrite a data file without touching the others.

#include "TestSupport.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace pelgo::test {

class EngineFolder {
public:
    EngineFolder()
    {
        char pattern[] = "/tmp/pelgo-engine-XXXXXX";
        root_ = mkdtemp(pattern);
        std::filesystem::copy(fixture("engine"), root_, std::filesystem::copy_options::recursive);
        setProgramFolder(root_.string());
    }
    ~EngineFolder()
    {
        setProgramFolder("");
        std::error_code ignored;
        std::filesystem::remove_all(root_, ignored);
    }
    EngineFolder(const EngineFolder&) = delete;
    EngineFolder& operator=(const EngineFolder&) = delete;

    void write(const std::string& file, const std::string& content) const
    {
        std::ofstream(root_ / "XML" / file) << content;
    }
    void remove(const std::string& file) const { std::filesystem::remove(root_ / "XML" / file); }

private:
    std::filesystem::path root_;
};

} // namespace pelgo::test
