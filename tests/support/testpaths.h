#pragma once
// Where tests find their fixtures, the shipped program data and the build tree.
#include <QString>

namespace testpaths {
inline QString fixtures() { return QStringLiteral(KOLVAR_FIXTURES); }
inline QString shippedData() { return QStringLiteral(KOLVAR_SHIPPED_DATA); }
inline QString buildDir() { return QStringLiteral(KOLVAR_BUILD_DIR); }
}
