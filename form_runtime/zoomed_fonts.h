#pragma once

// The application's fonts at the zoom: its font and the fonts the platform
// gives menus, tooltips, message boxes and the like, each as it was at 100 %
// times the zoom. Every window that sets no font of its own follows them: the
// menus under the menu bar, tooltips, message boxes and the input and file
// dialogs. At 100 % they are the platform's fonts again, to the bit.
class QWidget;

namespace form_runtime {

void zoomApplicationFonts();

// A widget's text in bold, in the size its window's font has at every zoom
// (a style sheet's font would keep the size it had when set).
void setBold(QWidget *widget);

} // namespace form_runtime
