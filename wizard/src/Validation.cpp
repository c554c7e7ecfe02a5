#include "pelgo/wizard/Validation.h"

namespace pelgo::wizard {

Checks::Checks(const std::string& language, const std::string& section)
{
    catalogue_.CarregaXML(language, section);
}

Checks& Checks::number(const std::string& field, const std::string& typed, const std::string& tag,
                       const std::string& min, const std::string& max)
{
    if (!failed())
        result_ = {field, catalogue_.Consiste(typed, tag, min, max)};
    return *this;
}

Checks& Checks::bandedNumber(const std::string& field, const std::string& typed, const std::string& tag,
                             const std::string& min, const std::string& max)
{
    if (!failed())
        result_ = {field, catalogue_.ConsisteEspecialEtapa4(typed, tag, min, max)};
    return *this;
}

Checks& Checks::rule(const std::string& field, bool failedRule, const std::string& tag)
{
    if (!failed() && failedRule)
        result_ = {field, catalogue_.GetTextosPelgo(tag)};
    return *this;
}

Checks& Checks::message(const std::string& field, const std::string& text)
{
    if (!failed())
        result_ = {field, text};
    return *this;
}

} // namespace pelgo::wizard
