#include "Report.h"

namespace pelgo::datacheck {

std::string Finding::line() const
{
    std::string text = file;
    if (!where.empty())
        text += ": " + where;
    return text + ": " + what;
}

void Report::problem(std::string file, std::string where, std::string what)
{
    add(problems_, seenProblems_, {std::move(file), std::move(where), std::move(what)});
}

void Report::note(std::string file, std::string where, std::string what)
{
    add(notes_, seenNotes_, {std::move(file), std::move(where), std::move(what)});
}

void Report::add(std::vector<Finding>& list, std::set<Finding>& seen, Finding finding)
{
    if (seen.insert(finding).second)
        list.push_back(std::move(finding));
}

} // namespace pelgo::datacheck
