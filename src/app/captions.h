#pragma once

class QGroupBox;

namespace kvartson {

// Group boxes have bold captions while the controls inside keep the regular
// font.
void makeCaptionBold(QGroupBox *group);

} // namespace kvartson
