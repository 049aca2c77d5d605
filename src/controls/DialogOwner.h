#pragma once

class QWidget;

// The window a dialog or message box opens over: the topmost modal window when one is open
// (the Result window, modal over the main window), else `owner`. A box owned by a window
// behind the modal one would bring that window to the front and open where it is.
namespace DialogOwner {

QWidget* over(QWidget* owner);

} // namespace DialogOwner
