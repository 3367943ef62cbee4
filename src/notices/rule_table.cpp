#include "notices/rule_table.h"

namespace {

constexpr const char kWarning[] = "warning";
constexpr const char kNote[] = "note";

// Indexed by notice number - 1. This table is the one place where the
// level of each notice is decided.
constexpr NoticeRule kRules[44] = {
    {kNote, "LineTooLong",
     "A physical line is longer than the configured maximum line length; it "
     "will not display or print properly on a standard terminal."},
    {kWarning, "FunctionNameTooLong",
     "A function name is longer than the configured maximum; long names can "
     "be a portability and maintenance issue."},
    {kNote, "EllipsisParameters",
     "An ellipsis '...' declares a variable argument list; the compiler "
     "cannot check the types of these parameters."},
    {kWarning, "AssignmentInIfCondition",
     "A single '=' assignment appears within an 'if' condition: a logical "
     "error, or an assignment hidden in a testable expression."},
    {kWarning, "AssignmentInWhileCondition",
     "A single '=' assignment appears within a 'while' condition: a logical "
     "error, or an assignment hidden in a testable expression."},
    {kNote, "PreDecrement",
     "A pre-decrement operator '--' is used; it can be a problematic "
     "construct in compound statements and is non-portable within macros."},
    {kNote, "PreIncrement",
     "A pre-increment operator '++' is used; it can be a problematic "
     "construct in compound statements and is non-portable within macros."},
    {kWarning, "Realloc",
     "The function realloc is used; a realloc of size 0 frees the pointer, "
     "which may act unexpectedly on a null pointer or hide a memory leak."},
    {kNote, "Goto",
     "The keyword 'goto' is used; it can cause maintenance difficulties and "
     "hides the logic flow."},
    {kNote, "NonAnsiPrototype",
     "A function declares its parameters in the old style between ')' and "
     "'{'; its parameters are not type checked."},
    {kWarning, "UnbalancedBrackets",
     "The brackets '[' and ']' of a function are not balanced; this may "
     "indicate code disabled by the preprocessor."},
    {kWarning, "UnbalancedParentheses",
     "The parentheses '(' and ')' of a function are not balanced; this may "
     "indicate code disabled by the preprocessor."},
    {kWarning, "SwitchWithoutDefault",
     "A 'switch' statement has no 'default'; unexpected behaviour follows "
     "when no 'case' matches."},
    {kWarning, "CaseWithoutBreak",
     "The 'case' and 'default' labels of a function are not each matched by "
     "a 'break', a return point or a \"fall through\" comment."},
    {kNote, "FriendClass",
     "A friend class is declared; this breaks encapsulation."},
    {kNote, "LowWhiteSpace",
     "The white space of a function, class or struct is below the "
     "configured minimum percentage."},
    {kNote, "LowFunctionComments",
     "The comment lines of a function are below the configured minimum "
     "percentage of its lines."},
    {kWarning, "FunctionTooLong",
     "The effective lines of code (eLOC) of a function exceed the "
     "configured maximum."},
    {kNote, "LowFileWhiteSpace",
     "The white space of a file is below the configured minimum "
     "percentage of its characters."},
    {kNote, "LowFileComments",
     "The comment lines of a file are below the configured minimum "
     "percentage of its lines."},
    {kWarning, "MissingKeyString",
     "The file does not contain the key string named in the configuration "
     "file, such as a copyright notice."},
    {kNote, "UnbracedControlBody",
     "The body of an 'if', 'else', 'for', 'while' or 'do' is not enclosed "
     "in braces; code may fall outside the intended scope."},
    {kNote, "TernaryOperator",
     "The '?' operator is used; this implied if-else construct can reduce "
     "readability."},
    {kWarning, "CppKeywordInC",
     "A C++ keyword is used as a name in a C file; the file will not compile "
     "as C++."},
    {kNote, "HeadersAsCpp",
     "Switches whether .h files are analysed as C++; never raised itself."},
    {kNote, "VoidPointer",
     "The type 'void *' is used; it prevents the compiler from checking the "
     "types of variables and parameters."},
    {kWarning, "TooManyReturnPoints",
     "The return points of a function exceed the configured maximum."},
    {kWarning, "CyclomaticComplexityTooHigh",
     "The cyclomatic complexity of a function exceeds the configured "
     "maximum."},
    {kWarning, "TooManyParameters",
     "The parameters of a function exceed the configured maximum."},
    {kNote, "TabCharacter",
     "A TAB character is used; its width depends on the device and editor, "
     "so the code may not display properly."},
    {kNote, "LowClassComments",
     "The comment lines of a class or struct are below the configured "
     "minimum percentage of its lines."},
    {kNote, "UsingNamespace",
     "A 'using namespace' directive is used; it can lead to name collisions "
     "during integration."},
    {kNote, "ClassWithinFunction",
     "A class or struct is defined within a function definition; move it "
     "outside the function."},
    {kNote, "ClassDataPointer",
     "A class holds a pointer to data; it needs careful allocation and "
     "release and a copy constructor, public or private."},
    {kNote, "ClassPublicData",
     "A class has public data members; this breaks encapsulation."},
    {kNote, "ClassProtectedData",
     "A class has protected data members; they are freely accessible down "
     "the inheritance tree."},
    {kWarning, "MissingVirtualDestructor",
     "A class declares a virtual method but no virtual destructor; objects "
     "of derived classes may not be destroyed completely."},
    {kNote, "ExceptionHandling",
     "Exception handling 'try' - 'catch' is used; it can act as indirect "
     "logic control, like a goto."},
    {kWarning, "TooManyMethods",
     "The methods of a class or struct (public, protected and private) "
     "exceed the configured maximum."},
    {kWarning, "InheritanceTooDeep",
     "The depth of a class in the inheritance tree exceeds the configured "
     "maximum."},
    {kWarning, "TooManyChildClasses",
     "The classes derived directly from a class exceed the configured "
     "maximum."},
    {kNote, "MultipleInheritance",
     "A class inherits from more than one base class; unexpected behaviour "
     "and difficult maintenance may result."},
    {kNote, "Continue",
     "The keyword 'continue' is used; the jump to the start of the loop can "
     "make the code hard to maintain."},
    {kNote, "BreakOutsideSwitch",
     "The keyword 'break' is used outside a 'switch'; it interrupts the "
     "linear logic flow."},
};

}  // namespace

const NoticeRule* NoticeRuleOf(int n) {
  if (n < 1 || n > 44) return nullptr;
  return &kRules[n - 1];
}
