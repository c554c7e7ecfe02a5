#include "pelgo/wizard/Validation.h"

#include <utility>

namespace pelgo::wizard {

Checks::Checks(const std::string& language, const std::string& section)
{
    catalogue_.CarregaXML(language, section);
}

void Checks::answer(const std::string& field, std::string text)
{
    if (!text.empty())
        result_ = {field, std::move(text)};
}

Checks& Checks::number(const std::string& field, const std::string& typed, const std::string& tag,
                       const std::string& min, const std::string& max)
{
    if (!failed())
        answer(field, catalogue_.Consiste(typed, tag, min, max));
    return *this;
}

Checks& Checks::bandedNumber(const std::string& field, const std::string& typed, const std::string& tag,
                             const std::string& min, const std::string& max)
{
    if (!failed())
        answer(field, catalogue_.ConsisteEspecialEtapa4(typed, tag, min, max));
    return *this;
}

Checks& Checks::rule(const std::string& field, bool failedRule, const std::string& tag)
{
    if (!failed() && failedRule)
        answer(field, catalogue_.GetTextosPelgo(tag));
    return *this;
}

Checks& Checks::message(const std::string& field, const std::string& text)
{
    if (!failed())
        answer(field, text);
    return *this;
}

} // namespace pelgo::wizard
