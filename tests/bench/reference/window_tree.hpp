#pragma once
// A program's windows as a text file, one record a line, fields split by tabs:
//   window <parent index or -1> <class> <style> <ex style> <x> <y> <width> <height> <text>
//   item <window index> <text>                         a combo box item or a tab
//   column <window index> <width> <text>               a list view column
//   cell <window index> <item> <sub item> <text>       a list view cell
// Windows come parents first; x and y are in the parent's client area (a top-level window gives
// its client size instead). startup_bench writes it from the running Orvane, startup_reference
// makes the same windows from it.
#include <string>
#include <vector>

namespace bare {

struct TreeWindow {
  int parent = -1;
  std::string cls;
  unsigned long style = 0, exStyle = 0;
  int x = 0, y = 0, width = 0, height = 0;
  std::string text;
  std::vector<std::string> items;
  std::vector<std::pair<int, std::string>> columns;
  struct Cell {
    int item, sub;
    std::string text;
  };
  std::vector<Cell> cells;
};

}  // namespace bare
