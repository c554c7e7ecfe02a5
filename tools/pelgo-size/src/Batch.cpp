#include "Batch.h"

#include "Report.h"
#include "SizingCase.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <malloc.h>
#include <atomic>
#include <thread>

namespace pelgo::size {

void keepFreedMemory()
{
    mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024);
    mallopt(M_TRIM_THRESHOLD, 256 * 1024 * 1024);
}

using nlohmann::json;

std::string answerLine(const std::string& line)
{
    json output;
    try {
        output = resultJson(runCase(json::parse(line)));
    } catch (const json::parse_error& error) {
        output = {{"ok", false}, {"error", {{"kind", "case"}, {"message", error.what()}}}};
    } catch (const std::exception& error) {
        output = {{"ok", false}, {"error", {{"kind", "internal"}, {"message", error.what()}}}};
    }
    return output.dump();
}

std::vector<std::string> answerLines(const std::vector<std::string>& lines, unsigned jobs)
{
    std::vector<std::string> answers(lines.size());
    std::atomic<std::size_t> nextLine{0};
    const auto work = [&] {
        for (std::size_t i = nextLine++; i < lines.size(); i = nextLine++)
            answers[i] = answerLine(lines[i]);
    };
    const unsigned threads = std::max(1u, std::min<unsigned>(jobs, static_cast<unsigned>(lines.size())));
    std::vector<std::thread> helpers;
    for (unsigned t = 1; t < threads; ++t)
        helpers.emplace_back(work);
    work();
    for (auto& helper : helpers)
        helper.join();
    return answers;
}

unsigned defaultJobs()
{
    return std::max(1u, std::thread::hardware_concurrency());
}

} // namespace pelgo::size
