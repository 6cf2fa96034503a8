// The glyphs of the toolbar's new and reset buttons.
#pragma once

#include <QIcon>

namespace tovak {

// A blank page: the theme's "document-new" where there is one.
QIcon NewProgramGlyph();
// A chip with the letter, struck out in red: "S" for the memory, "R" for the registers.
QIcon ResetGlyph(QChar letter);

} // namespace tovak
