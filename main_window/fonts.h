#pragma once

namespace mainwindow {

// The layout names "AppleMyungjo" for the trigram's name, a font this platform lacks.
// Maps it, once, to the Noto Serif CJK fonts, Korean first: it has the compatibility
// ideograph U+F9EA of Li's name.
void installFontSubstitutes();

} // namespace mainwindow
