// A class body from its opening to its closing brace: nesting, the
// counters taken when it opens, its record in the class or interface
// list, and at its end its measures, notices and report lines. Also the
// attribution of a completed function to its class.
#include <cerrno>
#include <cstring>
#include <memory>
#include <string>

#include "base/scanner.h"
#include "base/exit_request.h"
#include "notices/notices.h"
#include "recognise/class_seams.h"
#include "recognise/classes.h"
#include "recognise/java_records.h"
#include "recognise/keyword_hooks.h"
#include "base/record_measures.h"
#include "recognise/run_names.h"
#include "reports/class_reports.h"
#include "base/error_block.h"
#include "reports/metric_lines.h"
#include "base/output.h"
#include "reports/framing.h"

namespace {

int32_t NonEffectiveLines(const FileMetrics& M) {
  return static_cast<int32_t>(int64_t{M.brace_lines} + M.paren_lines);
}

int32_t Diff(int64_t now, int64_t then) {
  const int64_t d = now - then;
  return d > INT32_MAX ? INT32_MAX : d < INT32_MIN ? INT32_MIN
                                                  : static_cast<int32_t>(d);
}

// The file's counters when a body opens. A comment block directly above
// the class counts as its comments.
void TakeSnapshot(ClassLevel& c, const FileWork& G) {
  const FileMetrics& M = G.metrics;
  c.begin_loc = M.loc;
  c.begin_lloc = Lloc(M);
  c.begin_comments = Diff(M.comment_lines, G.parse.comment_run_lines);
  c.begin_blanks = M.blank_lines;
  c.begin_noneffective = NonEffectiveLines(M);
  c.begin_spaces = M.spaces;
  c.begin_characters = M.characters;
}

// Appends a record to a class or interface list and indexes it.
NodeData* AddRecord(NodeData record, Llist<NodeData>& list,
                    std::unordered_map<std::string, NodeData*>& index,
                    Globals& G) {
  std::string name = record.name;
  NodeData* added = LlistAdd(list, std::make_unique<NodeData>(std::move(record)));
  if (added == nullptr) {
    OutMemoryError(G, errno ? errno : ENOMEM);
    return nullptr;
  }
  index.emplace(std::move(name), added);
  return added;
}


// Finds or creates the record of the class body that just opened. A
// name that is a namespace's gets none.
void OpenRecord(Globals& G) {
  FileState& P = G.parse;
  ClassLevel& c = P.cls;
  const int nested = P.nested_class_depth > 0 ? 1 : 0;
  c.record = nullptr;
  if (IsNamespaceName(c.name, G)) return;
  if (c.is_interface) {
    const std::string stored = "Interface-" + c.name;
    c.record = FindInterfaceRecord(stored, G);
    if (c.record != nullptr) return;
    Bump(G.metrics.interface_count, 1);
    NodeData record;
    record.name = stored;
    record.file = G.file_name;
    record.line = c.start_line;
    record.nested = nested;
    c.record = AddRecord(std::move(record), G.interface_list,
                         G.interface_index, G);
    return;
  }
  NodeData* found = FindClassRecord(c.name, G);
  if (found != nullptr) {
    // Created by an out-of-class method definition, or defined before.
    if (G.debug_flag) {
      Out(G, "*** Open Class, Already in classlist so Appending Class %s\n",
          c.name.c_str());
    }
    if (!c.inheritance_line.empty()) {
      found->inheritance = c.inheritance_line;
      found->parents = CountParents(c.inheritance_line);
    }
    if (!c.template_line.empty()) found->sub_name = c.template_line;
    found->file = G.file_name;
    found->line = c.start_line;
    found->nested = nested;
    found->is_struct = c.is_struct;
    c.record = found;
    return;
  }
  if (G.debug_flag) {
    Out(G, "*** Open Class, Not in NS and CL so Adding Class %s\n",
        c.name.c_str());
  }
  Bump(G.metrics.class_count, 1);
  if (c.is_struct) Bump(G.metrics.struct_count, 1);
  NodeData record;
  record.name = c.name;
  record.inheritance = c.inheritance_line;
  record.sub_name = c.template_line;
  record.file = G.file_name;
  record.line = c.start_line;
  record.nested = nested;
  record.parents = CountParents(c.inheritance_line);
  record.is_struct = c.is_struct;
  c.record = AddRecord(std::move(record), G.class_list, G.class_index, G);
}

// The class body's opening brace: a nested one saves the enclosing one.
void OpenClassBody(Globals& G) {
  FileState& P = G.parse;
  if (P.class_flag) PushNestedClass(G);
  if (P.header_name.empty()) GetClassname("instance", 0, G);
  ClassLevel& c = P.cls;
  c.name = P.header_name;
  c.is_struct = P.struct_pending;
  c.is_interface = P.interface_pending;
  c.local = P.func_body_open;
  c.scope = 1;
  c.start_line = G.metrics.lines;
  // Struct and interface members are public unless declared otherwise.
  c.default_access =
      c.is_struct || c.is_interface ? kPublicSection : kPrivateSection;
  c.access = c.default_access;
  TakeSnapshot(c, G);
  if (P.function_template_flag) {
    c.template_line = P.function_template_line;
    P.function_template_flag = 0;
    P.function_template_line.clear();
  }
  if (P.inheritance_flag) {
    c.inheritance_line = FormatInheritline(P.inheritance_line, P);
  }
  RecordBodyOpens(c, P);
  ClassHeaderCancel(P);
  P.class_flag = 1;
  P.class_name = c.name;
  ResetMember(P);
  OpenRecord(G);
  if (G.debug_flag) {
    Out(G, "\n  Opening %s %s at } - Line %d\n",
        c.is_interface ? "Interface" : c.is_struct ? "Struct" : "Class",
        c.name.c_str(), c.start_line);
    Out(G, "  G->class_scope = %d\n  G->nindex = %d\n\n", c.scope,
        P.nested_class_depth);
  }
  if (G.object_flag && G.notice_flag) {
    ClassBegin(G);
    EmitInheritanceLine(G);
  }
  if (c.local) EmitClassWithinFunction(c.is_struct ? "struct" : "class", G);
}

// 'typedef struct { ... } Point;': an unnamed struct takes the first name
// after its closing brace at index i.
void NameUnnamed(const char* line, int i, Globals& G) {
  FileState& P = G.parse;
  ClassLevel& c = P.cls;
  const std::string& name = c.name;
  const size_t last = name.size() >= 8 ? name.size() - 8 : 0;
  if (name.compare(last, std::string::npos, "instance") != 0) return;
  if (last > 0 && name[last - 1] != ':' && name[last - 1] != '.') return;
  std::string token;
  if (i < 0 || !GetNextToken(line, i + 1, token)) return;
  const size_t bracket = token.find('[');
  if (bracket != std::string::npos) token.resize(bracket);
  if (token.empty()) return;
  std::string renamed = name.substr(0, last) + token;
  if (c.record != nullptr) {
    const auto listed = G.class_index.find(name);
    if (listed != G.class_index.end() && listed->second == c.record) {
      G.class_index.erase(listed);
      NoteClassUnlisted(name, c.record, G.apart);
    }
    c.record->name = renamed;
    // The new name keeps a record listed under it before.
    if (FindClassRecord(renamed, G) == nullptr) {
      G.class_index.emplace(renamed, c.record);
    }
  }
  c.name = renamed;
  P.class_name = renamed;
}

// The measures of the closing class body.
struct ClassMeasures {
  int loc = 0, eloc = 0, lloc = 0, comments = 0, blanks = 0, lines = 0;
  double whitespace_percent = 0;
};

ClassMeasures Measure(bool at_end_of_file, const FileWork& G) {
  const ClassLevel& c = G.parse.cls;
  const FileMetrics& M = G.metrics;
  ClassMeasures m;
  // The closing line is counted after its brace, or already at the end of
  // the file.
  m.loc = Diff(int64_t{M.loc} + (at_end_of_file ? 0 : 1), c.begin_loc);
  m.eloc = Diff(m.loc, Diff(NonEffectiveLines(M), c.begin_noneffective));
  m.lloc = Diff(Lloc(M), c.begin_lloc);
  m.comments = Diff(M.comment_lines, c.begin_comments);
  m.blanks = Diff(M.blank_lines, c.begin_blanks);
  m.lines = M.lines == c.start_line ? 1 : Diff(M.lines, c.start_line);
  const int64_t characters = int64_t{M.characters} - c.begin_characters;
  if (characters > 0) {
    m.whitespace_percent = 100.0 *
                           static_cast<double>(int64_t{M.spaces} -
                                               c.begin_spaces) /
                           static_cast<double>(characters);
  }
  return m;
}

// The attribute, method, complexity and LOC lines of the closing class.
void ClassLines(const ClassMeasures& m, Globals& G) {
  const ClassLevel& c = G.parse.cls;
  DataLine(c.attributes[0], c.attributes[1], c.attributes[2], G, G);
  MethodLine(c.methods[0], c.methods[1], c.methods[2], G, G);
  if (c.record != nullptr) {
    ComplexLine(c.record->params, c.record->returns, c.record->cyclo, G, G);
  } else {
    ComplexLine(0, 0, 0, G, G);
  }
  LOCLine(m.loc, m.eloc, m.lloc, m.comments, m.lines, G, G);
}

// The notices tested at a class's closing brace, in their order.
void CheckClass(const ClassMeasures& m, Globals& G) {
  const ClassLevel& c = G.parse.cls;
  const char* kind = c.is_struct ? "Struct" : "Class";
  const int64_t commented = int64_t{m.loc} + m.comments;
  if (commented > 0) {
    EmitClassCommentNotice(kind,
                           100.0 * m.comments / static_cast<double>(commented),
                           G);
  }
  EmitClassWhitespaceNotice(kind, m.whitespace_percent, G);
  if (c.virtual_seen && !c.virtual_destructor_seen) {
    EmitVirtualDestructorNotice(G);
  }
  const int64_t methods = int64_t{c.methods[0]} + c.methods[1] + c.methods[2];
  EmitClassFunctionNotice(c.is_struct ? "struct" : "class",
                          methods > INT32_MAX ? INT32_MAX
                                              : static_cast<int>(methods),
                          G);
}

void CloseClassBody(const char* line, int i, bool at_end_of_file,
                        Globals& G) {
  FileState& P = G.parse;
  NameUnnamed(line, i, G);
  const ClassMeasures m = Measure(at_end_of_file, G);
  if (G.debug_flag) {
    Out(G, "\nClosing Class %s at } - Line %d\n", P.cls.name.c_str(),
        G.metrics.lines);
    Out(G, "G->nindex = %d\n\n", P.nested_class_depth);
  }
  if (G.object_flag && G.notice_flag) {
    CheckClass(m, G);
    if (!G.totals_flag) {
      ClassEnd(G);
      ClassLines(m, G);
    }
    Add_Class2Class(m.loc, m.eloc, m.lloc, m.comments, m.blanks, m.lines, P);
    if (!G.totals_flag) {
      ShowStateLine(G, G.metrics.lines, (ClassKindTitle(P) + " End").c_str());
    }
  } else {
    if ((G.object_flag || G.comment_doc_flag) && !G.totals_flag) {
      EmitClass(G);
      if (G.object_flag && !G.comment_doc_flag) {
        EmitInheritanceLine(G);
        ClassLines(m, G);
        Out(G, "\n");
      }
    }
    Add_Class2Class(m.loc, m.eloc, m.lloc, m.comments, m.blanks, m.lines, P);
  }
  if (P.nested_class_depth > 0) {
    PopNestedClass(G);
  } else {
    P.class_flag = 0;
    P.class_name.clear();
    P.cls = ClassLevel();
  }
  ResetMember(P);
  P.member_body_closed = P.class_flag;
}

// The code character before index i of the line, or '\0'.
char CodeBefore(const char* line, int i) {
  int k = i - 1;
  while (k >= 0 && IsBlankOrTab(line[k])) --k;
  return k >= 0 ? line[k] : '\0';
}

// Cuts a function's class name at '<' and at "::operator".
std::string BareClassName(const std::string& name) {
  std::string bare = name.substr(0, name.find('<'));
  const size_t op = bare.find("::operator");
  if (op != std::string::npos) bare.resize(op);
  return bare;
}

}  // namespace

std::string ClassKindTitle(const ClassState& P) {
  const ClassLevel& c = P.cls;
  std::string title = P.nested_class_depth > 0 ? "Nested " : "";
  title += c.is_interface ? "Interface" : c.is_struct ? "Struct" : "Class";
  return title;
}

int PushNestedClass(Globals& G) {
  FileState& P = G.parse;
  if (P.nested_class_depth >= kMaxNestedClasses) {
    OutError(G, {"Max Nested Classes Reached", "Aborting process..."},
             {.indent = 2, .blank_after = true});
    throw ExitRequest{-1};
  }
  P.class_stack.push_back(std::move(P.cls));
  P.cls = ClassLevel();
  ++P.nested_class_depth;
  G.nested_seen = 1;
  return P.nested_class_depth;
}

int PopNestedClass(Globals& G) {
  FileState& P = G.parse;
  if (P.nested_class_depth <= 0 || P.class_stack.empty()) {
    OutError(G, {"Nested Class indexing"});
    P.nested_class_depth = 0;
    return 0;
  }
  P.cls = std::move(P.class_stack.back());
  P.class_stack.pop_back();
  --P.nested_class_depth;
  P.class_flag = 1;
  P.class_name = P.cls.name;
  P.class_header_pending = 0;
  P.method_pending = 0;
  return P.nested_class_depth;
}

void Add_Class2Class(int loc, int eloc, int lloc, int comments, int blanks,
                     int lines, ClassState& P) {
  const ClassLevel& c = P.cls;
  NodeData* r = c.record;
  if (r == nullptr) return;
  AddMeasures(*r, loc, lloc, eloc, comments, blanks, lines, 0, 0, 0);
  Bump(r->public_methods, c.methods[0]);
  Bump(r->protected_methods, c.methods[1]);
  Bump(r->private_methods, c.methods[2]);
  Bump(r->public_attributes, c.attributes[0]);
  Bump(r->protected_attributes, c.attributes[1]);
  Bump(r->private_attributes, c.attributes[2]);
  if (P.nested_class_depth > 0) r->nested = 1;
}

void Add_Func2Class(int loc, int eloc, int lloc, int comments, int blanks,
                    int lines, int cyclo, int params, int returns,
                    Globals& G) {
  const FileState& P = G.parse;
  std::string name = P.func_name;
  const char separator = P.java_file ? '.' : ':';
  // A method of a nested class counts for the enclosing classes too.
  for (int step = 0; step <= P.nested_class_depth; ++step) {
    size_t cut = name.rfind(separator);
    if (cut == std::string::npos || cut == 0) return;
    if (separator == ':' && name[cut - 1] == ':') --cut;
    name.resize(cut);
    NodeData* r = FindClassRecord(name, G);
    const std::string bare = BareClassName(name);
    if (r == nullptr) r = FindClassRecord(bare, G);
    if (r == nullptr) r = FindInterfaceRecord("Interface-" + bare, G);
    if (G.debug_flag) {
      Out(G, "\n*** Add_Func2Class: %s - %s, %p\n", P.func_name.c_str(),
          bare.c_str(), static_cast<void*>(r));
    }
    if (r == nullptr) {
      // A function of a namespace is the namespace report's.
      if (bare.empty() || IsNamespaceName(bare, G)) continue;
      if (G.debug_flag) {
        Out(G, "**** Add Class %s - %d\n", bare.c_str(), G.metrics.lines);
      }
      NodeData record;
      record.name = bare;
      record.file = G.file_name;
      record.line = G.metrics.lines;
      r = AddRecord(std::move(record), G.class_list, G.class_index, G);
      if (r == nullptr) return;
    }
    AddMeasures(*r, loc, lloc, eloc, comments, blanks, lines, cyclo, params,
                returns);
    r->ratio += 1.0f;
  }
}

void ClassOpenBrace(const char* line, int i, Globals& G) {
  FileState& P = G.parse;
  if (P.class_header_pending && P.local_paren <= P.header_paren) {
    OpenClassBody(G);
    return;
  }
  if (!P.class_flag) return;
  ClassLevel& c = P.cls;
  if (c.scope == 1 && !P.static_block_flag) {
    // A block at the body's level: a method's body, an enumeration's, a
    // Java initialiser block, or a data member's initialiser.
    if (P.method_pending) ClassMethod(line, G);
    const char before = CodeBefore(line, i);
    c.inner_init =
        P.decl_assigned ||
        (P.enum_state == 0 && !P.method_pending && !P.method_counted &&
         (IsNameChar(before) || before == '>'));
  }
  ++c.scope;
}

void ClassCloseBrace(const char* line, int i, Globals& G) {
  FileState& P = G.parse;
  // A header reaches no closing brace: it was none.
  if (P.class_header_pending) ClassHeaderCancel(P);
  if (!P.class_flag) return;
  ClassLevel& c = P.cls;
  --c.scope;
  if (c.scope >= 1) {
    if (c.scope == 1 && !c.inner_init) {
      ResetMember(P);
      P.member_body_closed = 1;
    }
    return;
  }
  CloseClassBody(line, i, false, G);
}

void ClassEndOfFile(Globals& G) {
  FileState& P = G.parse;
  ClassHeaderCancel(P);
  while (P.class_flag) CloseClassBody("", -1, true, G);
}
