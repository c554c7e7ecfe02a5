#pragma once

#include <string>

namespace pelgo {

// The folder of the running program; the library lives beside it, and the
// data folders XML/, help/ and Imagens/ below it.
std::string programFolder();

// Overrides the program folder (tests and tools point it at another installation).
// An empty path returns to the running executable's folder.
void setProgramFolder(const std::string& path);

// programFolder() + "/XML/" + fileName
std::string dataFilePath(const std::string& fileName);

} // namespace pelgo
