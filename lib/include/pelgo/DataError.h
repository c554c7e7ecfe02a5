#pragma once

#include <stdexcept>
#include <string>

namespace pelgo {

// A fault in the installation's data files: a file that does not load, or a
// missing element or attribute, or a value that cannot be read. The message
// names the file and the element or attribute so a screen can show it as is.
class DataError : public std::runtime_error {
public:
    DataError(std::string file, std::string detail)
        : std::runtime_error(file + ": " + detail), file_(std::move(file)), detail_(std::move(detail)) {}

    const std::string& file() const { return file_; }
    const std::string& detail() const { return detail_; }

private:
    std::string file_;
    std::string detail_;
};

} // namespace pelgo
