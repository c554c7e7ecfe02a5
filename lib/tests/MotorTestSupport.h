#pragma once

// A private copy of the motor fixture folder, so a test can remove or break
// one data file; the program folder points at the copy for its lifetime.

#include "TestSupport.h"

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace pelgo::test {

class MotorDataCopy {
public:
    MotorDataCopy()
    {
        static int serial = 0;
        folder_ = std::filesystem::temp_directory_path() /
                  ("pelgo-motor-" + std::to_string(::getpid()) + "-" + std::to_string(++serial));
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
        std::filesystem::copy(fixture("motor"), folder_, std::filesystem::copy_options::recursive);
        setProgramFolder(folder_.string());
    }
    ~MotorDataCopy()
    {
        setProgramFolder("");
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    MotorDataCopy(const MotorDataCopy&) = delete;
    MotorDataCopy& operator=(const MotorDataCopy&) = delete;

    void remove(const std::string& file) { std::filesystem::remove(folder_ / "XML" / file); }
    void write(const std::string& file, const std::string& content)
    {
        std::ofstream(folder_ / "XML" / file, std::ios::binary | std::ios::trunc) << content;
    }

private:
    std::filesystem::path folder_;
};

inline std::string xmlDocument(const std::string& body)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n" + body + "\n";
}

} // namespace pelgo::test
