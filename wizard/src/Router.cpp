#include "pelgo/wizard/Router.h"

namespace pelgo::wizard {

RouteTarget route(int nextForm)
{
    if (nextForm == screens::Language)
        return {ScreenKind::Language, 0, 0};
    if (nextForm == screens::Opening)
        return {ScreenKind::Opening, 0, 0};
    if (nextForm >= 1 && nextForm <= 14)
        return {ScreenKind::Step, nextForm, 0};
    switch (nextForm) {
    case screens::ReportFromResults:
        return {ScreenKind::Report, 0, screens::Results};
    case screens::ReportFromTrimpots:
        return {ScreenKind::Report, 0, screens::ParametersTrimpots};
    case screens::ReportFromNumbered:
        return {ScreenKind::Report, 0, screens::ParametersNumbered};
    default:
        return {};
    }
}

int forwardOf(int step)
{
    return step + 1;
}

int backOf(int step)
{
    return step == 1 ? screens::Language : step - 1;
}

int parametersScreen(std::int16_t rampReferenceNumber)
{
    return rampReferenceNumber == 5 ? screens::ParametersTrimpots : screens::ParametersNumbered;
}

std::string helpPage(const std::string& page, const std::string& language)
{
    return "help/Ajuda_" + page + "_" + language + ".htm";
}

} // namespace pelgo::wizard
