#include "analysis/keywords.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>

#include "analysis/keyword_rules.h"
#include "base/scanner.h"
#include "analysis/keyword_notices.h"
#include "recognise/java_records.h"
#include "recognise/keyword_hooks.h"

namespace {

// clang-format off
enum class Word : uint8_t {
  kAbort, kAlloc, kAnd, kAsm, kBool, kBreak, kCalloc, kCase, kCatch, kClass,
  kConst, kConstCast, kContinue, kDefault, kDelete, kDo, kDynamicCast,
  kElse, kEnum, kExit, kExtends, kFalse, kFor, kFree, kFriend, kGoto, kIf,
  kImport, kInline, kInterface, kMalloc, kMutable, kNamespace, kNew,
  kOperator, kOr, kOverload, kPackage, kPrivate, kProtected, kPublic,
  kRealloc, kRecord, kReinterpretCast, kReturn, kStatic, kStaticCast, kStruct,
  kSwitch, kTemplate, kThis, kThrow, kTrue, kTry, kTypedef, kTypeid, kUnion,
  kUsing, kVirtual, kVoid, kWcharT, kWhile, kUnderscoreExit,
};
// clang-format on

// What may follow a word.
enum class Follow : uint8_t {
  kSet,         // one of the characters of `set`
  kCall,        // after blanks and TABs: '(' or the line end
  kBraceOrEnd,  // after blanks and TABs: '{' or the line end
  kAny,         // anything
  kNotUnderscore,
  kWhiteOrComment,  // blank, TAB, LF, CR, or a comment opener
  kOperator,        // blank, TAB, LF, CR, or an operator character
  kTemplate,        // in C files blank, LF, CR or '<'; elsewhere anything
};

struct WordRule {
  const char* text;
  uint8_t length;
  Follow follow;
  const char* set;
  Word word;
};

constexpr const char* kWhite = " \t\n\r";

constexpr WordRule Rule(const char* text, Follow follow, const char* set,
                        Word word) {
  return {text, static_cast<uint8_t>(std::char_traits<char>::length(text)),
          follow, set, word};
}
constexpr WordRule Set(const char* text, const char* set, Word word) {
  return Rule(text, Follow::kSet, set, word);
}
constexpr WordRule Call(const char* text, Word word) {
  return Rule(text, Follow::kCall, "", word);
}

// The words by first letter. At most one word can match at a position:
// where one word begins another ("const" and "const_cast"), the shorter
// one's follow rule refuses the longer one's next character.
constexpr WordRule kA[] = {
    Call("abort", Word::kAbort),
    Call("alloc", Word::kAlloc),
    Set("and", " (\n\t\r", Word::kAnd),
    Set("asm", " \n\t{\r", Word::kAsm),
};
constexpr WordRule kB[] = {
    Set("bool", kWhite, Word::kBool),
    Set("break", " \t;\n\r", Word::kBreak),
};
constexpr WordRule kC[] = {
    Call("calloc", Word::kCalloc),
    Set("case", " \t\n\r(", Word::kCase),
    Set("catch", " (\n\t\r", Word::kCatch),
    Set("class", kWhite, Word::kClass),
    Set("const", " \n\t(\r", Word::kConst),
    Set("const_cast", " <\n\t\r", Word::kConstCast),
    Set("continue", " ;\t", Word::kContinue),
};
constexpr WordRule kD[] = {
    Set("default", " \t:\n\r", Word::kDefault),
    Set("delete", " ([\n\t\r", Word::kDelete),
    Rule("do", Follow::kWhiteOrComment, "", Word::kDo),
    Set("dynamic_cast", " \n\t<\r", Word::kDynamicCast),
};
constexpr WordRule kE[] = {
    Set("else", " \t\n\r{", Word::kElse),
    Set("enum", " \t\n{\r", Word::kEnum),
    Call("exit", Word::kExit),
    Set("extends", " (\n", Word::kExtends),
};
constexpr WordRule kF[] = {
    Set("false", " (\n\t;)\r", Word::kFalse),
    Call("for", Word::kFor),
    Call("free", Word::kFree),
    Set("friend", kWhite, Word::kFriend),
};
constexpr WordRule kG[] = {
    Set("goto", kWhite, Word::kGoto),
};
constexpr WordRule kI[] = {
    Call("if", Word::kIf),
    Set("import", kWhite, Word::kImport),
    Set("inline", " ([\n\t;)\r", Word::kInline),
    Set("interface", kWhite, Word::kInterface),
};
constexpr WordRule kM[] = {
    Call("malloc", Word::kMalloc),
    Set("mutable", kWhite, Word::kMutable),
};
constexpr WordRule kN[] = {
    Set("namespace", kWhite, Word::kNamespace),
    Set("new", " (\n\t\r", Word::kNew),
};
constexpr WordRule kO[] = {
    Rule("operator", Follow::kOperator, "", Word::kOperator),
    Set("or", " (\n\t\r", Word::kOr),
    Set("overload", " (\n\t\r", Word::kOverload),
};
constexpr WordRule kP[] = {
    Set("package", " ", Word::kPackage),
    Set("private", " :\n\t\r", Word::kPrivate),
    Set("protected", " :\n\t\r", Word::kProtected),
    Set("public", " :\n\t\r", Word::kPublic),
};
constexpr WordRule kR[] = {
    Set("realloc", "( \t", Word::kRealloc),
    Set("record", " \t", Word::kRecord),
    Set("reinterpret_cast", " <\n\t\r", Word::kReinterpretCast),
    Set("return", " \t;(\n\r", Word::kReturn),
};
constexpr WordRule kS[] = {
    Rule("static", Follow::kNotUnderscore, "", Word::kStatic),
    Set("static_cast", " <\n\t\r", Word::kStaticCast),
    Set("struct", "{ \t\n\r", Word::kStruct),
    Set("switch", " \t\n\r(", Word::kSwitch),
};
constexpr WordRule kT[] = {
    Rule("template", Follow::kTemplate, "", Word::kTemplate),
    Set("this", " \r;\n\t)", Word::kThis),
    Set("throw", " \n\t", Word::kThrow),
    Set("true", " ;\n\t\r", Word::kTrue),
    Set("try", " {\n\t\r", Word::kTry),
    Set("typedef", kWhite, Word::kTypedef),
    Set("typeid", " (\n\t", Word::kTypeid),
};
constexpr WordRule kU[] = {
    Rule("union", Follow::kBraceOrEnd, "", Word::kUnion),
    Set("using", " \n\t", Word::kUsing),
};
constexpr WordRule kV[] = {
    Set("virtual", " (\n\t", Word::kVirtual),
    Set("void", " (\n\t;)", Word::kVoid),
};
constexpr WordRule kW[] = {
    Set("wchar_t", " (\n\t", Word::kWcharT),
    Call("while", Word::kWhile),
};
constexpr WordRule kUnderscore[] = {
    Call("_exit", Word::kUnderscoreExit),
};

constexpr std::span<const WordRule> WordsFor(char c) {
  switch (c) {
    case 'a':
      return kA;
    case 'b':
      return kB;
    case 'c':
      return kC;
    case 'd':
      return kD;
    case 'e':
      return kE;
    case 'f':
      return kF;
    case 'g':
      return kG;
    case 'i':
      return kI;
    case 'm':
      return kM;
    case 'n':
      return kN;
    case 'o':
      return kO;
    case 'p':
      return kP;
    case 'r':
      return kR;
    case 's':
      return kS;
    case 't':
      return kT;
    case 'u':
      return kU;
    case 'v':
      return kV;
    case 'w':
      return kW;
    case '_':
      return kUnderscore;
    default:
      return {};
  }
}

// The characters allowed before a word depend on its first letter. Each
// first letter has a group bit; kPrecede[c] holds the groups that allow c.
enum : uint8_t {
  kGroupCommon = 1,  // a c d f g i n p r s t u w
  kGroupB = 2,
  kGroupE = 4,
  kGroupM = 8,
  kGroupO = 16,
  kGroupV = 32,
  kGroupUnderscore = 64,
};

struct Tables {
  std::array<uint8_t, 256> group{};    // group bit of a first letter
  std::array<uint8_t, 256> precede{};  // groups allowing a preceding char
  // For each first letter, the second characters of its words (bit k for
  // 'a' + k, bit 26 for '_'): most names are refused on this alone.
  std::array<uint32_t, 256> second{};
};

constexpr uint32_t SecondBit(char c) {
  return c == '_' ? 1u << 26 : c >= 'a' && c <= 'z' ? 1u << (c - 'a') : 0;
}

constexpr Tables MakeTables() {
  Tables t;
  for (const char* p = "acdfginprstuw"; *p != '\0'; ++p) {
    t.group[static_cast<unsigned char>(*p)] = kGroupCommon;
  }
  t.group['b'] = kGroupB;
  t.group['e'] = kGroupE;
  t.group['m'] = kGroupM;
  t.group['o'] = kGroupO;
  t.group['v'] = kGroupV;
  t.group['_'] = kGroupUnderscore;
  const struct {
    uint8_t group;
    const char* chars;
  } sets[] = {
      {kGroupCommon, " \t;)={}"}, {kGroupB, " \t};"},    {kGroupE, " \t;)=}"},
      {kGroupM, " \t;)="},        {kGroupO, " \t:;)=("}, {kGroupV, " \t;:)={}"},
      {kGroupUnderscore, " \t;"},
  };
  for (const auto& s : sets) {
    for (const char* p = s.chars; *p != '\0'; ++p) {
      t.precede[static_cast<unsigned char>(*p)] |= s.group;
    }
  }
  for (int c = 0; c < 256; ++c) {
    for (const WordRule& rule : WordsFor(static_cast<char>(c))) {
      t.second[c] |= SecondBit(rule.text[1]);
    }
  }
  return t;
}

constexpr Tables kTables = MakeTables();

// A follow rule that lets a name character follow the word ("statically"
// counts as "static"): the word then matches the start of longer names.
constexpr bool FollowAdmitsNameChar(const WordRule& rule) {
  switch (rule.follow) {
    case Follow::kSet:
      for (const char* p = rule.set; *p != '\0'; ++p) {
        const char c = *p;
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
            (c >= '0' && c <= '9') || c == '_') {
          return true;
        }
      }
      return false;
    case Follow::kCall:
    case Follow::kBraceOrEnd:
    case Follow::kWhiteOrComment:
      return false;
    case Follow::kAny:
    case Follow::kNotUnderscore:
    case Follow::kOperator:
    case Follow::kTemplate:
      return true;
  }
  return true;
}

// For each first letter, bit k set when a word of that letter can match at
// the start of a run of k name characters (bit 31: 31 or more).
constexpr std::array<uint32_t, 256> MakeWordLengths() {
  std::array<uint32_t, 256> lengths{};
  for (int c = 0; c < 256; ++c) {
    for (const WordRule& rule : WordsFor(static_cast<char>(c))) {
      const uint32_t own = uint32_t{1} << rule.length;
      lengths[c] |= FollowAdmitsNameChar(rule) ? ~(own - 1) : own;
    }
  }
  return lengths;
}

}  // namespace

extern const std::array<uint32_t, 256> kWordLengths = MakeWordLengths();

namespace {

// The characters after the first letter equal the rest of the word; the
// comparison stops at the first difference, so never passes the line's end.
bool RestMatches(const char* at, const WordRule& rule) {
  for (int k = 1; k < rule.length; ++k) {
    if (at[k] != rule.text[k]) return false;
  }
  return true;
}

bool InSet(char c, const char* set) {
  return c != '\0' && strchr(set, c) != nullptr;
}

bool Follows(const WordRule& rule, const char* line, int end,
             const LineParserState& P) {
  const char c = line[end];
  switch (rule.follow) {
    case Follow::kSet:
      return InSet(c, rule.set);
    case Follow::kCall:
      return KeywordTermin(line, end, nullptr, '(', '(') != 0;
    case Follow::kBraceOrEnd:
      return KeywordTermin(line, end, nullptr, '{', '{') != 0;
    case Follow::kAny:
      return true;
    case Follow::kNotUnderscore:
      return c != '_';
    case Follow::kWhiteOrComment:
      return InSet(c, kWhite) ||
             (c == '/' && (line[end + 1] == '*' || line[end + 1] == '/'));
    case Follow::kOperator:
      return InSet(c, kWhite) || is_operator(static_cast<unsigned char>(c));
    case Follow::kTemplate:
      return !P.c_file || InSet(c, " \n\r<");
  }
  return false;
}

// In a C file a C++ keyword raises notice 24 and does nothing else.
bool CppWord(const WordRule& rule, int line_number, Globals& G) {
  if (!G.parse.c_file) return true;
  CPP_Symbol(line_number, rule.text, G);
  return false;
}

// The next code word after index `end` is `word`.
bool WordFollows(const char* line, int end, const char* word) {
  const int at = NextCodeIndex(line, end);
  const size_t n = strlen(word);
  return strncmp(line + at, word, n) == 0 && !IsNameChar(line[at + n]);
}

// A return point of the current function.
void ReturnPoint(FunctionState& P) { ++P.func_return_count; }

void ApplyWord(const WordRule& rule, const char* line, int i, int line_number,
               Globals& G) {
  FileState& P = G.parse;
  FileMetrics& M = G.metrics;
  const int end = i + rule.length;
  switch (rule.word) {
    case Word::kAbort:
      Bump(M.abort_count, 1);
      ReturnPoint(P);
      break;
    case Word::kAlloc:
    case Word::kCalloc:
    case Word::kMalloc:
      Bump(M.alloc_count, 1);
      break;
    case Word::kAnd:
      ++P.func_and_count;
      break;
    case Word::kAsm:
    case Word::kBool:
    case Word::kConstCast:
    case Word::kDynamicCast:
    case Word::kFalse:
    case Word::kMutable:
    case Word::kOperator:
    case Word::kOverload:
    case Word::kReinterpretCast:
    case Word::kStaticCast:
    case Word::kThis:
    case Word::kTrue:
    case Word::kTypeid:
    case Word::kWcharT:
      CppWord(rule, line_number, G);
      break;
    case Word::kBreak:
      Bump(M.break_count, 1);
      ++P.func_break_count;
      EmitBreakNotice(line_number, G);
      break;
    case Word::kCase:
      Bump(M.case_count, 1);
      ++P.func_case_count;
      break;
    case Word::kCatch:
      if (CppWord(rule, line_number, G)) P.catch_flag = 1;
      break;
    case Word::kClass:
      if (CppWord(rule, line_number, G)) {
        ClassHeaderRule(line, i, ClassKeyword::kClass, G);
      }
      break;
    case Word::kConst:
      Bump(M.const_count, 1);
      break;
    case Word::kContinue:
      EmitContinueNotice(line_number, G);
      break;
    case Word::kDefault:
      Bump(M.default_count, 1);
      ++P.func_default_count;
      break;
    case Word::kDelete:
      if (CppWord(rule, line_number, G)) Bump(M.delete_count, 1);
      break;
    case Word::kDo:
      Bump(M.do_count, 1);
      DoRule(line, end, line_number, G);
      break;
    case Word::kElse:
      if (P.preproc_flag) break;
      Bump(M.else_count, 1);
      RecordControl(2, line_number, P);
      break;
    case Word::kEnum:
      EnumRule(line, end, G);
      break;
    case Word::kExit:
      Bump(M.exit_count, 1);
      ReturnPoint(P);
      break;
    case Word::kExtends:
      if (P.java_file && P.class_header_pending && !P.inheritance_flag) {
        BaseListRule(line, i, G);
      }
      break;
    case Word::kFor:
      Bump(M.for_count, 1);
      ++P.func_for_count;
      RecordControl(3, line_number, P);
      break;
    case Word::kFree:
      Bump(M.free_count, 1);
      break;
    case Word::kFriend:
      if (CppWord(rule, line_number, G)) {
        Bump(M.friend_count, 1);
        P.friend_flag = 1;
      }
      break;
    case Word::kGoto:
      EmitGotoNotice(line_number, G);
      ++P.func_goto_count;
      Bump(M.goto_count, 1);
      if (G.goto_is_return) ReturnPoint(P);
      break;
    case Word::kIf:
      Bump(M.if_count, 1);
      if (P.preproc_flag) break;
      ++P.func_if_count;
      P.if_condition = 1;
      RecordControl(4, line_number, P);
      break;
    case Word::kImport:
      if (P.java_file) Bump(M.import_count, 1);
      break;
    case Word::kInline:
      Bump(M.inline_count, 1);
      // 'inline namespace v1 {' declares no inline function.
      if (!WordFollows(line, end, "namespace")) FunctionInlineMarker(P);
      break;
    case Word::kInterface:
      if (P.java_file && !P.template_beg_flag) {
        ClassHeaderRule(line, i, ClassKeyword::kInterface, G);
      }
      break;
    case Word::kNamespace:
      if (CppWord(rule, line_number, G) && P.cpp_file) {
        NamespaceRule(line, i, line_number, G);
      }
      break;
    case Word::kNew:
      if (CppWord(rule, line_number, G)) Bump(M.new_count, 1);
      break;
    case Word::kOr:
      ++P.func_or_count;
      break;
    case Word::kPackage:
      if (P.java_file) PackageRule(line, i, line_number, G);
      break;
    case Word::kPrivate:
      if (CppWord(rule, line_number, G)) ClassAccessSection(kPrivateSection, P);
      break;
    case Word::kProtected:
      if (CppWord(rule, line_number, G)) {
        ClassAccessSection(kProtectedSection, P);
      }
      break;
    case Word::kPublic:
      if (CppWord(rule, line_number, G)) ClassAccessSection(kPublicSection, P);
      break;
    case Word::kRealloc:
      EmitReallocNotice(line_number, G);
      break;
    case Word::kRecord:
      // A contextual word: a record header only before a name and '('.
      if (P.java_file && RecordHeaderFollows(line, end)) {
        ClassHeaderRule(line, i, ClassKeyword::kRecord, G);
        if (P.class_header_pending) P.record_pending = 1;
      }
      break;
    case Word::kReturn:
      Bump(M.return_count, 1);
      ReturnPoint(P);
      break;
    case Word::kStatic:
      StaticRule(line, end, G);
      break;
    case Word::kStruct:
      P.typedef_flag = 0;
      ClassHeaderRule(line, i, ClassKeyword::kStruct, G);
      break;
    case Word::kSwitch:
      Bump(M.switch_count, 1);
      ++P.func_switch_count;
      P.switch_flag = 1;
      P.switch_brace = P.local_brace;
      break;
    case Word::kTemplate:
      if (CppWord(rule, line_number, G)) TemplateRule(line, i, G);
      break;
    case Word::kThrow:
      if (P.c_file) {
        ReturnPoint(P);
        CPP_Symbol(line_number, rule.text, G);
      }
      break;
    case Word::kTry:
      if (CppWord(rule, line_number, G)) EmitExceptionNotice(line_number, G);
      break;
    case Word::kTypedef:
      Bump(M.typedef_count, 1);
      P.typedef_flag = 1;
      break;
    case Word::kUnion:
      Bump(M.union_count, 1);
      break;
    case Word::kUsing:
      if (CppWord(rule, line_number, G) && P.cpp_file) {
        P.using_flag = 1;
        Bump(M.using_count, 1);
      }
      break;
    case Word::kVirtual:
      if (CppWord(rule, line_number, G) && P.class_flag) {
        Bump(M.virtual_count, 1);
        ClassVirtualMethod(P);
      }
      break;
    case Word::kVoid:
      FunctionVoidWord(line, i, G);
      if (NextChar(line + end) == '*') EmitVoidStarNotice(line_number, G);
      break;
    case Word::kWhile:
      Bump(M.while_count, 1);
      ++P.func_while_count;
      P.while_condition = 1;
      RecordControl(5, line_number, P);
      break;
    case Word::kUnderscoreExit:
      Bump(M._exit_count, 1);
      ReturnPoint(P);
      break;
  }
}

// Compares the words of the first letter at i with the line; kept out of
// line so that the checks that refuse most names stay cheap.
[[gnu::noinline]] void MatchWord(const char* line, int i, int line_number,
                                 Globals& G) {
  for (const WordRule& rule : WordsFor(line[i])) {
    if (!RestMatches(line + i, rule)) continue;
    if (!Follows(rule, line, i + rule.length, G.parse)) continue;
    ApplyWord(rule, line, i, line_number, G);
    return;
  }
}

}  // namespace

void RecogniseWord(const char* line, int& i, int line_number, Globals& G) {
  const unsigned char first = static_cast<unsigned char>(line[i]);
  if (first == '@') {
    // '@interface Name {' declares an annotation type: an interface.
    FileState& P = G.parse;
    if (P.java_file && strncmp(line + i + 1, "interface", 9) == 0 &&
        InSet(line[i + 10], kWhite) && !P.template_beg_flag &&
        !P.funcname_flag) {
      ClassHeaderRule(line, i + 1, ClassKeyword::kInterface, G);
    }
    return;
  }
  const uint8_t group = kTables.group[first];
  if (group == 0) return;
  if (i > 0 &&
      (kTables.precede[static_cast<unsigned char>(line[i - 1])] & group) == 0) {
    return;
  }
  if ((kTables.second[first] & SecondBit(line[i + 1])) == 0) return;
  MatchWord(line, i, line_number, G);
}
