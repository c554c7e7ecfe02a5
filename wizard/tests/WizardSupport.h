#pragma once

// Helpers of the wizard tests: a sizing record as the language screen leaves
// it, and the steps passed with the screens' defaults, on the shipped data.

#include "../../lib/tests/TestSupport.h"

#include "pelgo/clsPelgo.h"
#include "pelgo/clsPelgo_Geral.h"
#include "pelgo/wizard/Etapa1.h"
#include "pelgo/wizard/Etapa2.h"
#include "pelgo/wizard/Etapa3.h"
#include "pelgo/wizard/Etapa4.h"
#include "pelgo/wizard/Etapa5.h"

#include <gtest/gtest.h>

#include <string>

namespace pelgo::test {

// The record after the language screen: language, market and its standard.
inline clsPelgo languageChosen(const std::string& language, const std::string& market, const std::string& standard)
{
    clsPelgo record;
    record.SetTitulo(language);
    record.SetIdioma(language);
    record.setMercado(market);
    record.setNorma(standard);
    return record;
}

// A catalogue text, to compare messages without repeating the data.
inline std::string catalogueText(const std::string& language, const std::string& section, const std::string& tag)
{
    clsPelgo_Geral catalogue;
    catalogue.CarregaXML(language, section);
    return catalogue.GetTextosPelgo(tag);
}

// Passes a step with what it holds; the test fails when the step refuses.
template <class Step>
void pass(Step& step, clsPelgo& record)
{
    const auto result = step.forward(record);
    ASSERT_TRUE(result.ok()) << result.field << ": " << result.message;
}

// Step 1 with the market defaults and the power of that text.
inline void passStep1(clsPelgo& record, const std::string& power)
{
    wizard::Etapa1 step(record);
    step.choosePower(step.powers().findText(power));
    pass(step, record);
}

// Steps 1 to `last` with the screens' defaults (step 1 with `power`).
inline void passSteps(clsPelgo& record, const std::string& power, int last)
{
    passStep1(record, power);
    if (last >= 2) {
        wizard::Etapa2 step(record);
        pass(step, record);
    }
    if (last >= 3) {
        wizard::Etapa3 step(record);
        pass(step, record);
    }
    if (last >= 4) {
        wizard::Etapa4 step(record);
        pass(step, record);
    }
    if (last >= 5) {
        wizard::Etapa5 step(record);
        pass(step, record);
    }
}

// The international market in English, on the shipped data.
class ShippedDataTest : public ::testing::Test {
protected:
    ProgramFolderGuard folder{shippedData()};
    LocaleGuard locale{kPointLocale};
    clsPelgo record = languageChosen("ENG", "IEC", "IEC");
};

} // namespace pelgo::test
