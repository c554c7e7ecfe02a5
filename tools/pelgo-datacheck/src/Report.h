#pragma once

#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace pelgo::datacheck {

// One finding: the file (relative to the program folder), the element path and
// attribute inside it (may be empty), and what is wrong.
struct Finding {
    std::string file;
    std::string where;
    std::string what;

    // "file: where: what" (where left out when empty).
    std::string line() const;
    bool operator<(const Finding& other) const
    {
        return std::tie(file, where, what) < std::tie(other.file, other.where, other.what);
    }
};

// Collects the problems of a check run, and notes that do not fail it (for
// example motors whose data are only estimated). The same finding reported
// twice (from two languages or markets) is kept once, in first-seen order.
class Report {
public:
    void problem(std::string file, std::string where, std::string what);
    void note(std::string file, std::string where, std::string what);

    const std::vector<Finding>& problems() const { return problems_; }
    const std::vector<Finding>& notes() const { return notes_; }
    bool clean() const { return problems_.empty(); }

private:
    static void add(std::vector<Finding>& list, std::set<Finding>& seen, Finding finding);

    std::vector<Finding> problems_;
    std::vector<Finding> notes_;
    std::set<Finding> seenProblems_;
    std::set<Finding> seenNotes_;
};

} // namespace pelgo::datacheck
