#pragma once
// The rows a page shows, as plain texts: what the pages move into their widgets and what the
// report writes.
#include <string>
#include <string_view>
#include <vector>

// One row: a value panel's label (without its colon) and value, or a list row's caption and
// sub-items.
using PageRow = std::vector<std::string>;

// The caption a control has in the main window's layout (a tab, a label, a group), or empty.
std::string_view LayoutCaption(std::string_view controlName);

// The column headings of a list in the main window's layout, left to right, or none.
PageRow LayoutColumns(std::string_view listName);

// A value-panel row: the label's layout caption without its trailing colon, and the value.
PageRow PanelRow(std::string_view labelName, std::string value);
