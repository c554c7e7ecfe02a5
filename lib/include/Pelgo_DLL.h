#pragma once

// Pelgo_DLL: the calculation library of the sizing wizard. One class per
// wizard step, the sizing record, the text catalogue and the shared data-file
// conventions.

#include "pelgo/DataError.h"
#include "pelgo/DataFile.h"
#include "pelgo/ListCursor.h"
#include "pelgo/Numbers.h"
#include "pelgo/ProgramFolder.h"
#include "pelgo/Text.h"

#include "pelgo/clsAbertura.h"
#include "pelgo/clsEtapa1.h"
#include "pelgo/clsEtapa2.h"
#include "pelgo/clsEtapa3.h"
#include "pelgo/clsEtapa4.h"
#include "pelgo/clsEtapa5.h"
#include "pelgo/clsInicio.h"
#include "pelgo/clsPelgo.h"
#include "pelgo/clsPelgo_Geral.h"
#include "pelgo/clsEtapa6.h"
#include "pelgo/clsEtapa7.h"
#include "pelgo/clsEtapa8.h"
#include "pelgo/clsEtapa9.h"
#include "pelgo/clsEtapa10.h"
#include "pelgo/clsEtapa11.h"
#include "pelgo/clsEtapa12.h"
#include "pelgo/clsEtapa13.h"
#include "pelgo/clsEtapa14.h"
#include "pelgo/clsCalculoEconomia.h"
