#pragma once

namespace pelgo::app {

class frmFundo;

// Tells the router which screen each router number opens. A new screen is one
// line in ScreenTable.cpp.
void registerScreens(frmFundo& router);

} // namespace pelgo::app
