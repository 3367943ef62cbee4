#include "reports/sort_method.h"

#include <string>

#include "base/output.h"

const char* SortMethodTitle(int key) {
  switch (key) {
    case 1: return "Sorted By Name";
    case 2: return "Sorted By LOC";
    case 3: return "Sorted By eLOC";
    case 4: return "Sorted By lLOC";
    case 5: return "Sorted By Cyclomatic Complexity";
    case 6: return "Sorted By State";
    default: return "No Sort Method";
  }
}

void ShowSortMethod(Globals& G) {
  const char* title = SortMethodTitle(G.sort_key);
  if (G.html_flag) {
    // The three line-count keys are preceded by an empty line in HTML.
    if (G.sort_key >= 2 && G.sort_key <= 4) Out(G, "\n");
    std::string decorated = Fmt("<FONT COLOR=%s><B>%s</B></FONT>",
                                G.html_header_color.c_str(), title);
    Center_HTML(G, title, decorated.c_str());
  } else if (G.automated_mode) {
    Out(G, "%s\n", title);
  } else {
    Center(G, title);
  }
}
