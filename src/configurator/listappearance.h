#pragma once

class QLabel;

namespace kvartson {

class LookupList;

// Enabled lists have the window background and a black label; disabled ones the
// button-face background and a silver label.
void setListEnabled(LookupList *list, QLabel *label, bool enabled);
void setLabelEnabledLook(QLabel *label, bool enabled);

} // namespace kvartson
