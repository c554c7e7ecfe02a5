#pragma once

// The two outputs of pelgo-size: a readable summary like the results screen,
// and JSON with the whole sizing record and both methods' results.

#include "SizingCase.h"

#include <nlohmann/json.hpp>

#include <string>

namespace pelgo::size {

// Every property of the sizing record, by its name.
nlohmann::json recordJson(const clsPelgo& record);

// {"ok": true, "record": ..., "results": ..., "summary": ...} for a sized
// case, {"ok": false, "error": {"kind", "field", "message"}} otherwise.
nlohmann::json resultJson(const CaseResult& result);

// The results screen as text: both methods, then the data summary.
std::string resultText(const CaseResult& result);

// The message of a case that stopped, as printed on stderr.
std::string errorText(const CaseResult& result);

} // namespace pelgo::size
