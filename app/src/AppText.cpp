#include "AppText.h"

#include "pelgo/ProgramFolder.h"

namespace pelgo::app {

QString installedFile(const QString& folder, const QString& name)
{
    return qs(programFolder()) + QLatin1Char('/') + folder + QLatin1Char('/') + name;
}

} // namespace pelgo::app
