#pragma once

class QLabel;

namespace orvella {

// The look of the program's title captions: with shadows a deep shadow (depth 4) under blue
// text, without them a shallow one (depth 1) under navy text.
void applyTitleShadow(QLabel& label, bool shadows);
int titleShadowDepth(const QLabel& label);

// The height of a title caption for a font of `points` on a screen of `dpi`: the font's
// pixel height plus 8, and 3 more for a shadow.
int titleCaptionHeight(int points, double dpi, bool shadows);

} // namespace orvella
