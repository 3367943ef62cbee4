// Notices raised by class and struct handling and by the inheritance tree.
#include "notices/emit.h"
#include "notices/long_text.h"
#include "notices/notices.h"
#include "base/output.h"

namespace {

// The checks made at a class's closing brace run only with -n and -o.
bool ClassEndChecks(RunSettings& G) { return G.notice_flag && G.object_flag; }

}  // namespace

void EmitClassWhitespaceNotice(const char* kind, double percent, Globals& G) {
  if (!ClassEndChecks(G) || !(percent < G.min_whitespace_percent)) return;
  IssuePercentNotice(16, std::string(kind) + " white space", "is", percent,
                     G.min_whitespace_percent, G);
}

void EmitClassCommentNotice(const char* kind, double percent, Globals& G) {
  if (!ClassEndChecks(G) || !(percent < G.min_comment_percent)) return;
  IssuePercentNotice(31, std::string(kind) + " comments", "are", percent,
                     G.min_comment_percent, G);
}

void EmitClassWithinFunction(const char* kind, Globals& G) {
  IssueNotice(33, G.metrics.lines, G, [&] {
    LongText(
        G, G,
        [&] {
          return Fmt(
              "\n"
              "    NOTICE #33: Line %d, A %s definition has been identified\n"
              "           within a function definition.  This design is not\n"
              "           advised.  Move the %s outside the function.\n",
              G.metrics.lines, kind, kind);
        },
        [&] {
          return Fmt(
              "\n"
              "    <FONT COLOR=%s>NOTICE</FONT> #33: <B>Line %d</B>, A %s "
              "definition has been identified\n"
              "           within a function definition.  This design is not\n"
              "           advised.  Move the %s outside the function.\n",
              G.html_notice_color.c_str(), G.metrics.lines, kind, kind);
        });
  });
}

void EmitStructWithinFunction(Globals& G) {
  IssueLineNotice(33, G.metrics.lines, G);
}

void EmitClassPointerNotice(int is_struct, Globals& G) {
  if (is_struct) return;
  IssueLineNotice(34, G.metrics.lines, G);
}

void EmitClassPublicDataNotice(int is_struct, Globals& G) {
  if (is_struct) return;
  IssueLineNotice(35, G.metrics.lines, G);
}

void EmitClassProtectedDataNotice(int is_struct, Globals& G) {
  if (is_struct) return;
  IssueLineNotice(36, G.metrics.lines, G);
}

void EmitVirtualDestructorNotice(Globals& G) {
  if (!ClassEndChecks(G)) return;
  IssueLineNotice(37, G.metrics.lines, G);
}

void EmitClassFunctionNotice(const char* kind, int methods, Globals& G) {
  if (!ClassEndChecks(G) || methods <= G.max_class_methods) return;
  IssueNotice(39, G.metrics.lines, G, [&] {
    LongText(
        G, G,
        [&] {
          return Fmt(
              "\n"
              "    NOTICE #39: The Number of %s methods exceeds the specified\n"
              "           maximum of %d methods (public, protected and "
              "private).\n",
              kind, G.max_class_methods);
        },
        [&] {
          return Fmt(
              "\n"
              "    <FONT COLOR=%s>NOTICE</FONT> #39: The number of %s methods "
              "exceeds the specified\n"
              "           maximum of %d methods (public, protected and "
              "private).\n",
              G.html_notice_color.c_str(), kind, G.max_class_methods);
        });
  });
}

void EmitInheritanceDepthNotice(const std::string& file, int line, Globals& G) {
  if (!RecordNoticeAt(40, file, line, G)) return;
  LongText(
      G, G,
      [&] {
        return Fmt(
            "\n"
            "    NOTICE #40: File: %s Line: %d\n"
            "           The depth of the inheritance tree is greater than the "
            "specified\n"
            "           maximum value, %d.  This condition can be attributed "
            "to "
            "mixing\n"
            "           the Is-A and Has-A relationships and can make "
            "maintenance\n"
            "           very difficult.\n"
            "\n",
            file.c_str(), line, G.max_inheritance_depth);
      },
      [&] {
        return Fmt(
            "\n"
            "    <FONT COLOR=%s>NOTICE</FONT> #40: <B>File: %s Line: %d</B>\n"
            "           The depth of the inheritance tree is greater than the "
            "specified\n"
            "           maximum value, <B>%d</B>.  This condition can be "
            "attributed\n"
            "           to mixing the Is-A and Has-A relationships and can "
            "make "
            "maintenance\n"
            "           very difficult.\n"
            "\n",
            G.html_notice_color.c_str(), file.c_str(), line,
            G.max_inheritance_depth);
      });
}

void EmitNumberOfChildrenNotice(const std::string& file, int line, Globals& G) {
  if (!RecordNoticeAt(41, file, line, G)) return;
  LongText(
      G, G,
      [&] {
        return Fmt(
            "\n"
            "    NOTICE #41: File: %s Line: %d\n"
            "           The number of direct child classes derived from the "
            "parent\n"
            "           exceed the specified maximum, %d. This condition may "
            "indicated\n"
            "           that the base class could be parameterized to "
            "accomplish "
            "the\n"
            "           variability of the children. This creates an obscure "
            "design\n"
            "           with difficult maintenance\n"
            "\n",
            file.c_str(), line, G.max_child_classes);
      },
      [&] {
        return Fmt(
            "\n"
            "    <FONT COLOR=%s>NOTICE</FONT> #41: <B>File: %s Line: %d</B>\n"
            "           The number of direct child classes derived from the "
            "parent\n"
            "           exceed the specified maximum, <B>%d</B>. This "
            "condition "
            "may\n"
            "           indicated that the base class could be parameterized "
            "to "
            "\n"
            "           accomplish the variability of the children. This "
            "creates\n"
            "           an obscure design with difficult maintenance\n"
            "\n",
            G.html_notice_color.c_str(), file.c_str(), line,
            G.max_child_classes);
      });
}

void EmitMultipleInheritanceNotice(const std::string& class_name, Globals& G) {
  if (!G.notice_flag) return;
  IssueNotice(42, G.metrics.lines, G, [&] {
    LongText(
        G, G,
        [&] {
          return Fmt(
              "\n"
              "    NOTICE #42: Line %d, Class multiple inheritance has been\n"
              "           identified for class %s.\n"
              "           Multiple inheritance should be driven by the design "
              "and\n"
              "           never imposed as an ad-hoc solution in "
              "implementation.\n"
              "           Unexpected object behavior may result and "
              "maintenance "
              "may\n"
              "           be difficult.\n",
              G.metrics.lines, class_name.c_str());
        },
        [&] {
          return Fmt(
              "\n"
              "    <FONT COLOR=%s>NOTICE</FONT> #42: <B>Line %d</B>, Class "
              "multiple inheritance has been\n"
              "           identified for class <B>%s</B>.\n"
              "           Multiple inheritance should be driven by the design "
              "and\n"
              "           never imposed as an ad-hoc solution in "
              "implementation.\n"
              "           Unexpected object behavior may result and "
              "maintenance "
              "may\n"
              "           be difficult.\n",
              G.html_notice_color.c_str(), G.metrics.lines,
              HTML_template(class_name).c_str());
        });
  });
}
