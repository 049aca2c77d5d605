#pragma once

class QAccessibleInterface;
class QObject;
class QString;

// Makes the tab strip visible to assistive technology: the strip is a page tab list whose
// children are its tabs (named by their captions, selectable, "press" selects) followed by
// the widgets it holds. Installed once, the first time a strip is made.
namespace TabStripAccessible {

void install();
// The factory Qt asks: an interface for a ctlTabs, nothing for anything else.
QAccessibleInterface* factory(const QString& className, QObject* object);

} // namespace TabStripAccessible
