#pragma once

namespace orvane {

class ColorTabWidget;

// Screen readers see a page control as a page tab list with one page tab per
// page, the current one selected; each tab holds its page, and pressing a tab
// chooses its page. Installed before the first control or page exists, so
// that no interface of theirs is made (and kept) without it.
void installColorTabAccessibility();

// Tells screen readers that the current page changed from `previous`: the two
// tabs' selection, and the focus when the control has it.
void notifyPageChange(ColorTabWidget* control, int previous);

// Tells screen readers that the focus lies on the current tab.
void notifyTabFocus(ColorTabWidget* control);

}  // namespace orvane
