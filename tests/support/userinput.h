#pragma once

#include <QString>

class QWidget;

namespace kvartson {
class LookupList;
}

namespace kvartson::test {

// Opens a lookup list's drop-down as a user does, by clicking its arrow.
void openDropDown(LookupList *list);
// Opens the drop-down and clicks the row whose list text is the given one.
void pick(LookupList *list, const QString &text);
// Types text key by key into a widget, any alphabet (QTest::keyClicks takes
// Latin-1 only).
void typeText(QWidget *widget, const QString &text);
// Clicks into the list's edit field.
void clickInto(LookupList *list);

} // namespace kvartson::test
