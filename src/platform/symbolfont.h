#pragma once
// Formulas and the Greek-letter table write Greek letters and mathematical
// signs as Latin character codes of the Symbol font ("a" is alpha, "p" is pi,
// 0xD6 the radical sign). Linux has no font in that encoding, so the codes are
// translated to Unicode here and drawn with an ordinary font that carries
// Greek and the mathematical signs.
#include <QFont>
#include <QString>
#include <QStringView>

namespace kolvar {

// The Unicode character the Symbol font shows for the given code. Codes the
// font leaves empty (below 0x20, 0x7F..0x9F, 0xF0, 0xFF) come back unchanged.
char16_t symbolCodeToUnicode(unsigned char code);

// Translates a text typed in the Symbol font's encoding: every character up to
// U+00FF is taken as a Symbol code; characters beyond that are kept, since they
// cannot have come from the single-byte encoding.
QString symbolToUnicode(QStringView latinCoded);

// A font like the given one (size, weight, slant) whose family shows the
// translated Symbol characters: a Times-like face, as the Symbol font's Greek
// is, with fallbacks that also carry the mathematical signs.
QFont symbolFont(const QFont& like);

} // namespace kolvar
