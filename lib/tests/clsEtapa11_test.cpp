// The graph screens' texts: steps 11 to 14.
#include "pelgo/clsEtapa11.h"
#include "pelgo/clsEtapa12.h"
#include "pelgo/clsEtapa13.h"
#include "pelgo/clsEtapa14.h"

#include "pelgo/DataError.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

namespace pelgo {
namespace {

using test::fixture;
using test::ProgramFolderGuard;

class TextosGraficos : public ::testing::Test {
protected:
    ProgramFolderGuard folder_{fixture("settings/base")};
};

TEST_F(TextosGraficos, StartingGraphsHaveTitleAndBothButtons)
{
    clsEtapa11 rampa;
    EXPECT_EQ(rampa.Inicia("ENG"), 0);
    EXPECT_EQ(rampa.GraficosPartida(), "ENG GRAFICOSPARTIDA");
    EXPECT_EQ(rampa.btVoltar(), "btvoltar_eng.png");
    EXPECT_EQ(rampa.btAcel(), "btacel_eng.png");

    clsEtapa12 limitacao;
    EXPECT_EQ(limitacao.Inicia("POR"), 0);
    EXPECT_EQ(limitacao.GraficosCorrente(), "POR GRAFICOSCORRENTE");
    EXPECT_EQ(limitacao.btVoltar(), "btvoltar_por.png");
    EXPECT_EQ(limitacao.btAcel(), "btacel_por.png");
}

TEST_F(TextosGraficos, BothMotorGraphScreensShareTheTitleOfStep13)
{
    clsEtapa13 rampa;
    clsEtapa14 limitacao;
    EXPECT_EQ(rampa.Inicia("ENG"), 0);
    EXPECT_EQ(limitacao.Inicia("ENG"), 0);
    EXPECT_EQ(rampa.GraficosMotor(), "ENG GRAFICOSMOTOR");
    EXPECT_EQ(limitacao.GraficosMotor(), "ENG GRAFICOSMOTOR");
    EXPECT_EQ(rampa.btVoltar(), "btvoltar_eng.png");
    EXPECT_EQ(limitacao.btVoltar(), "btvoltar_eng.png");
}

TEST_F(TextosGraficos, MissingTextIsADataError)
{
    // FALTA lacks the title of step 11 and the acceleration button.
    EXPECT_THROW(clsEtapa11().Inicia("FALTA"), DataError);
    EXPECT_THROW(clsEtapa12().Inicia("FALTA"), DataError);
    EXPECT_EQ(clsEtapa13().Inicia("FALTA"), 0); // needs neither
}

} // namespace
} // namespace pelgo
