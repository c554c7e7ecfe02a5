#include "pelgo/wizard/StepBase.h"

#include "pelgo/wizard/Router.h"

#include <utility>

namespace pelgo::wizard {

StepBase::StepBase(int step, std::string language)
    : step_(step), language_(std::move(language))
{
}

FieldMessage StepBase::forward(clsPelgo& record)
{
    FieldMessage result = validate();
    if (result.ok())
        commit(record);
    return result;
}

int StepBase::forwardScreen() const
{
    return forwardOf(step_);
}

int StepBase::backScreen() const
{
    return backOf(step_);
}

std::string StepBase::helpPage() const
{
    return wizard::helpPage("Etapa" + std::to_string(step_), language_);
}

} // namespace pelgo::wizard
