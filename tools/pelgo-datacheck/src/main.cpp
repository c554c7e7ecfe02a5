// pelgo-datacheck [--notes] [PROGRAM_FOLDER]
// Checks the data set of an installation (XML/, help/, Imagens/) and prints
// one line per problem; exit status 0 when there is none, 1 otherwise.

#include "Checks.h"

#include "pelgo/ProgramFolder.h"

#include <iostream>
#include <string>

int main(int argc, char** argv)
{
    bool notes = false;
    std::string folder;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--notes") {
            notes = true;
        } else if (argument == "-h" || argument == "--help") {
            std::cout << "usage: pelgo-datacheck [--notes] [PROGRAM_FOLDER]\n"
                         "Checks XML/, help/ and Imagens/ of the program folder (default: the folder of this\n"
                         "program) and prints one line per problem. --notes also lists motors whose data are\n"
                         "only estimated. Exit status 0 when there is no problem, 1 otherwise.\n";
            return 0;
        } else if (folder.empty() && argument.rfind("-", 0) != 0) {
            folder = argument;
        } else {
            std::cerr << "pelgo-datacheck: unexpected argument " << argument << " (see --help)\n";
            return 2;
        }
    }
    if (folder.empty())
        folder = pelgo::programFolder();

    pelgo::datacheck::Report report;
    pelgo::datacheck::checkAll(pelgo::datacheck::Installation(folder), report);

    for (const auto& problem : report.problems())
        std::cout << problem.line() << '\n';
    if (notes)
        for (const auto& note : report.notes())
            std::cout << "note: " << note.line() << '\n';
    std::cerr << "pelgo-datacheck: " << folder << ": " << report.problems().size() << " problem(s)";
    if (!notes && !report.notes().empty())
        std::cerr << ", " << report.notes().size() << " note(s) (--notes lists them)";
    std::cerr << '\n';
    return report.clean() ? 0 : 1;
}
