#pragma once

// Conversions between the library's UTF-8 texts and Qt's strings, and the
// paths of the installation's folders.

#include <QString>

#include <string>

namespace pelgo::app {

inline QString qs(const std::string& text) { return QString::fromStdString(text); }
inline std::string ss(const QString& text) { return text.toStdString(); }

// <program folder>/<folder>/<name>, for Imagens/ and help/.
QString installedFile(const QString& folder, const QString& name);

} // namespace pelgo::app
