// The text of the help document: its general chapters and one section per
// option, in the order the document prints them.
#include "driver/help.h"

const HelpChapter kHelpChapters[12] = {
    {"~ KLV - Tarvelon ~",
     R"(  Tarvelon provides a standardized approach to measure the
  size and the quality of C, C++ and Java source code.  KLV reads
  source files one line at a time, without a compiler, and reports
  their lines of code, functions, classes, namespaces, complexity and
  quality notices, file by file and for the project as a whole.  The
  reports can be read on the screen, printed, viewed in a web browser
  or imported into a spreadsheet, and the exit status can tell a build
  script how many quality notices were found.
)"},
    {"~ Source Code Metrics and Analysis ~",
     R"(  KLV measures source code for quantity and quality metrics.  Size metrics
  count the lines of each file:

       Lines     Physical lines of the file.
       LOC       Lines of code: lines holding source code.
       eLOC      Effective lines of code: LOC without the lines that
                 hold only a brace or only a parenthesis.
       lLOC      Logical lines of code: code statements, counted as
                 the semicolons outside comments and literals, with
                 each 'for' header counted once.
       Comment   Lines holding comment text.
       Blank     Lines holding no visible character.

  A line holding code and a comment counts both as LOC and as a comment
  line.  Code in every branch of a preprocessor #if is counted.  Quality
  metrics are the complexity of each function, cyclomatic (1 plus each
  if, while, for, case, goto, '?', '&&' and '||') and interface (the
  parameters plus the return points), and the quality notices: 44
  numbered checks of the code against common errors and maintenance
  risks.
)"},
    {"~ Program Operation ~",
     R"(  Source files may be processed via wild cards, recursively down a file tree
  (-r) or from a list of files and directories (-F).  Each file is read
  once, line by line, and its report sections follow as soon as it ends.
  After the last file come the project sections: the totals, the lists
  of functions, classes and namespaces, the quality profile and the file
  count by type.  The report goes to the screen, or to a file with -O.
  With -n the exit status is the number of quality notices issued (the
  system keeps its low eight bits); otherwise it is 0, or 1 after an
  error on the command line.
)"},
    {"~ Operation Step by Step ~",
     R"(  KLV is designed to operate according to the following process.

       1. Read the configuration file, klv.cfg, and the macro file,
          klv_macro.cfg; each is created with defaults when missing.
       2. Read the command line.  Options override the configuration.
       3. Write the report header and build the list of source files.
          Header files are processed ahead of the other source files.
       4. Analyse each file in turn and write its reports.
       5. Write the project reports.
       6. Save the work file, or compare it with the last one, when a
          work file mode is chosen.
)"},
    {"~ Program Configuration ~",
     R"(  KLV is configured from a configuration file, klv.cfg.  If the configuration
  file cannot be found, KLV creates it with the default settings.  It is
  looked for beside the program, in the directory named by the
  environment variable KLVHOME and along the system PATH.  Each line
  holds a setting name, a colon and a value; lines beginning with # are
  comments.  The settings choose which quality notices are issued and
  their limits, the accepted file extensions, the work file location,
  the code listing layout and the HTML colors.  Options on the command
  line override them.  Use -y or -hc to show the settings in force;
  redirected to a file, that output is a complete configuration file.

  A number outside its range is an error that names the setting:

       Maximum Line Length                        1 to 65535
       Maximum Function Name Length               1 to 4094
       Maximum Function LOC                       1 to 10000000
       A TAB is equivalent to n space             1 to 32
       Minimum Whitespace and Comment Percent     0 to 100
       Maximum functional return points,
         cyclomatic and interface complexity,
         methods per class, depth of inheritance
         tree, derived child classes              0 to 1000000
       Printed Line Length                       20 to 4096
       Printed Page Length                        1 to 10000
       Printed Left Margin                        0 to 200
       Printed Top Margin                         0 to 100
)"},
    {"~ Source File Requirements ~",
     R"(  KLV is designed to process only source code from the C, ANSI C, C++
  and Java languages.  The language of a file is decided by its
  extension, and only the extensions listed in the configuration file
  are accepted (c, cc, cpp, cxx, C, CC, h, hh, H, hxx, java and jav by
  default).  Header files can be treated as both C and C++ (the setting
  Quality Notice 25).  Accurate metrics require code that compiles:
  braces, parentheses, comments and literals must be balanced.  A line
  longer than 4094 characters is analysed in pieces.
)"},
    {"~ Switches and Options ~",
     R"(  KLV uses runtime switches to configure its operation.  There are two types
  of switches: single letters (-f, -n, -o) and letters that take a mode
  or a value.  A mode is the character written right after the letter
  (-Ta, -Ns, -k2).  A value may follow as the next word (-O report.txt,
  -r c,h src, -F list.txt), but only -r and -O are looked for that way
  when KLV finds the first file name: write other values attached to
  their letter (-P60, -S"My Header").  Switches are read from left to
  right and some depend on earlier ones: -A -f adds function and file
  lines to the CSV output while -f -A does not.  All switches come
  before the file names; the word -- ends them, so that every word after
  it is a file name, even one that begins with '-'.
)"},
    {"~ Files/Directories Names and Wild Cards ~",
     R"(  The Windows operating system requires DOS type paths and filenames. The UNIX
  shells expand wild cards before KLV starts, so *.c or ../src/*.h name
  the files themselves; KLV never expands a pattern.  Names are reported
  as given and relative names stay relative.  A name without an
  extension is skipped silently; a name whose extension is not accepted
  is reported as an invalid file type.  With -r the directory is walked
  and its files are matched against the extensions given with -r.
)"},
    {"~ Source Code File Input Modes ~",
     R"(  KLV processes files in one of four modes.  Modes cannot be mixed.

       1. Files named on the command line, usually by wild cards.
       2. Recursive descent of a directory tree, -r <ext,ext> <dir>.
       3. One directory without its subdirectories, -Rd -r <ext> <dir>.
       4. A list file naming files and directories, -F <FileList.txt>.
)"},
    {"~ Program Output Modes ~",
     R"(  KLV can output its reports in three modes.  Modes cannot be mixed.

       1. Analysis: the metrics reports chosen by the switches.
       2. Code listing: a printable, paginated listing of the source, -p.
       3. Conversion and extraction: the source files are rewritten (-D),
          or their literal strings or comments are extracted (-E, -C).
)"},
    {"~ Program Output File Formats ~",
     R"(  KLV can create reports in three formats, text, HTML and CSV.

       Text   The default, for the screen or a printer.
       HTML   -H, for a web browser: the text report with colors, bold
              labels and links to the analysed files.
       CSV    -A, comma separated values for spreadsheets and scripts.

  Each format can go to the screen, be redirected by the shell, or be
  written to a file with -O.
)"},
    {"~ Run Time Switch Options ~",
     R"(  The options shown with an asterisk '*' can be aggregated together to form
  compound reports, for example -f -o -n -c for a report of functions,
  classes, quality notices and complexity.  The other options select a
  mode of their own.
)"},
};

const HelpSection kHelpSections[32] = {
    {"  Automated CSV File Output Mode", "  -A<mode>",
     R"(  The CSV mode creates a Comma Separated Variables output for import
  into a spreadsheet or a script.  The report header and titles are
  left out; the output begins with the program name, the version and
  the date.  -A implies the totals only mode with function, class,
  complexity and notice analysis.  Place -A first and combine it with:

       -f   Function and file lines
       -s   File lines
       -i   Inheritance tree
       -Ta, -Tf, -To, -Tq, -Ti   Total reports
       -wW, -wx   Work file differentials

       i.e. klv -A -f *.c *.h > metrics.csv
)"},
    {"  * Allocation/De-allocation of Memory Mode", "  -a",
     R"(  Produces metrics on memory creation through the counting of instances
  of malloc, calloc and alloc, of free, and of new and delete, per file
  and for the project.

       i.e. klv -a *.c
)"},
    {"  * Benchmark Mode", "  -b",
     R"(  This mode tracks the CPU, User, Wait and elapsed time for the running
  program: the user and system CPU time, the time spent waiting and the
  elapsed time, with the physical lines and characters processed per
  second.  Redirecting the report to a local file gives the fastest
  runs.

       i.e. klv -b -f -O report.txt *.c
)"},
    {"  * Comment Documentation Mode", "  -C",
     R"(  This mode extracts comments relative to functions and classes for the
  documentation of the code: each function and class is shown with the
  comments written with it.  Templates are identified as well.

       i.e. klv -C *.cpp > comments.txt
)"},
    {"  * Complexity Mode", "  -c",
     R"(  This mode measures both cyclomatic complexity and function interface
  complexity.  Cyclomatic complexity is 1 plus each if, while, for,
  case, goto and '?' and each '&&' and '||' ('for' can be left out in
  the configuration).  Interface complexity is the number of parameters
  plus the number of return points.  -c implies -f.

       i.e. klv -c *.c
)"},
    {"  De-Character Source Files", "  -D<mode>",
     R"(  De-character source code to remove tabs and convert source code from
  one line end convention to the other.  The files named are rewritten
  in place: keep a copy before using this mode.

       -Dt  Replace each TAB by the configured number of blanks
       -Du  Remove carriage returns, make UNIX files
       -Dd  Add carriage returns, make DOS files

       i.e. klv -Dt *.c
)"},
    {"  Deterministic Mode", "  -d",
     R"(  This mode will show the user how a line of code is interpreted by KLV
  in its LOC analysis.  Each line is printed with its classification:
  Blank, LOC, Non-Effective LOC, C Comment or C++/Java Comment.

       i.e. klv -d test.c
)"},
    {"  Extract Strings or Comments from Source Code", "  -E<mode>",
     R"(  Extract strings or comments from a source file.  This feature allows
  the literal strings of a program to be reviewed for spelling or
  translation, or its comments to be collected.  Each is printed with
  its line number.

       -Es  Extract literal strings
       -Ec  Extract comments

       i.e. klv -Es *.c > strings.txt
)"},
    {"  * Estimation Analysis Based on LOC and Complexity", "  -e",
     R"(  Estimation analysis presents LOC, eLOC, lLOC per: function
  parameter, return point, interface complexity, cyclomatic complexity
  and function, summed over all functions of the project.  These
  factors help to estimate the size of new work from its design.  -e
  implies -f.

       i.e. klv -e *.c *.h
)"},
    {"  * File List Mode", "  -F <FileList.txt>",
     R"(  This mode will process files and directories from a text list file.
  Each line names a file, or a directory in the form
  -r <ext,ext> <directory>: with -r or -R the directory is walked with
  its subdirectories, with any other switch only its own files are
  taken.  Lines beginning with # are comments.

       i.e. klv -f -F filelist.txt
)"},
    {"  * Function Analysis Mode", "  -f",
     R"(  Functional analysis mode determines the functions in a source file and
  reports the LOC, eLOC, lLOC, comments, blanks and lines of each, with
  function totals per file and for the project.

       i.e. klv -f *.c
)"},
    {"  * HTML Output Mode", "  -H",
     R"(  This mode creates HTML output with color, fonts and hyperlinks to the report
  source files.  Redirect the output to a file and open it with a web
  browser.  The colors and absolute or relative links are set in the
  configuration file.

       i.e. klv -H -f -o *.cpp > metrics.htm
)"},
    {"  Help Mode", "  -h<mode>",
     R"(  Produces the help output.  Such output can be printed under UNIX
  by piping it to a printer command.

       -hs  Syntax only
       -hf  Full help text document
       -hc  Configuration settings
       -hn  Quality notice types
       -hp  Abbreviated syntax with a pause prompt

       i.e. klv -hf | lp
)"},
    {"  * Inheritance Tree Generation", "  -i",
     R"(  This mode will generate an inheritance tree of all classes in the
  project, with the depth, the number of derived classes and the number
  of base classes of each class.

       i.e. klv -i *.h *.cpp
)"},
    {"  * Jobs, Parallel Analysis", "  -j<n>",
     R"(  This mode analyses the files on n threads at once; the report, the
  work file and the exit status are those of an analysis on one thread,
  byte for byte. -j alone or -j0 takes one thread per available core,
  -j1 analyses on one thread. The environment variable KLVJOBS sets the
  count when -j is not given. Debug runs (KLVDEBUG), the printable
  listing and the conversion modes always use one thread.

       i.e. klv -j 4 -f -c -r c,h src
)"},
    {"  * Key Project Sort Method", "  -k<mode>",
     R"(  This mode will sort the project summary data as specified by the key
  written after the switch:

       -k0  No sorting, the order found (default)
       -k1  Name
       -k2  LOC
       -k3  eLOC
       -k4  lLOC
       -k5  Cyclomatic complexity
       -k6  Work file difference state

       i.e. klv -f -k5 *.c
)"},
    {"  * List Function Name Mode", "  -l",
     R"(  This mode produces a list of functions that can be cut and pasted from
  the report: the names of the functions defined in each file.  -f
  lists the names as well and takes the place of -l.

       i.e. klv -l *.c
)"},
    {"  * Macro Mode", "  -m",
     R"(  Macro mode is similar to function mode except it reports the names of
  the function-like macros, #define NAME(...), of each file.  With -n
  the quality notices found within a macro are shown under its name.

       i.e. klv -m -n *.h
)"},
    {"  * Quality Notice Format Mode", "  -N<mode>",
     R"(  Quality notices by default are displayed in a verbose format.
  This switch shows each notice in one line instead and collects the
  notices for the quality notice summary.  -N implies -n.

       -Ns  Single line summary format
       -Nv  file(line) format that an editor output window can follow

       i.e. klv -Nv *.c
)"},
    {"  * Quality Notice Mode", "  -n",
     R"(  Turns on quality checking on the source for approximately 50
  conditions: 44 numbered quality notices for common errors and
  maintenance risks, each switched on or off and limited in the
  configuration file (see -hn).  The project quality profile counts the
  notices by type, and the exit status is the number of notices issued.

       i.e. klv -n *.c
)"},
    {"  * Output Report to a file", "  -O <filename>",
     R"(  This mode routes the KLV report from the stdout or screen to a file.
  The file name follows the switch as the next word; the screen then
  shows only the progress of the run.  If the file cannot be opened the
  report goes to the screen.

       i.e. klv -f -O report.txt *.c
)"},
    {"  * Object Class/Struct Metrics", "  -o",
     R"(  This mode details metrics for each class specification identified
  in the source: its LOC, its methods and attributes by access, with the
  class, interface and namespace summaries of the project.

       i.e. klv -o *.h *.cpp
)"},
    {"  Print Format, Code Listing Mode", "  -p",
     R"(  This mode generates a code listing for the files specified by
  the command line, with line numbers and page headers, ready for a code
  review.  No metrics are produced.

       -B 1          Top margin in lines, at most 100
       -M 5          Left margin in characters, at most 200
       -P 55         Page length in lines, at most 10000,
                     negative for no page breaks
       -L 80         Line length in characters, 20 to 4096
       -S "string"   Page header text

       i.e. klv -p -P60 -S"Release 2" *.c > listing.txt
)"},
    {"  * Read File Processing Options", "  -R<mode>",
     R"(  KLV processes files from 1 of four modes.
  These modifiers change how the files are taken:

       -Rd  Process only the directory given, without descent (-r)
       -Rl  List the files to be processed and exit
       -Rn  Sort the files by name, the headers first

       i.e. klv -Rl -r c,h src
)"},
    {"  * Recursive Descent Mode", "  -r <type> <dir>",
     R"(  Recursive descent mode will process all the specified files
  with the listed extensions in the directory given and in all its
  subdirectories.  The extensions are separated by commas and the
  directory must be the last word of the command line.  Each directory
  is walked once.  Symbolic links to directories are not followed, so
  the walk neither leaves the tree nor goes round in circles; links to
  files are taken.  A subdirectory that cannot be read is reported and
  skipped.

       i.e. klv -f -r c,h,cpp src
)"},
    {"  * Summary Mode", "  -s",
     R"(  Summary mode summarizes the LOC, eLOC comments and blanks per file.
  The summary is part of every analysis; -s matters in the CSV output,
  where -A -s adds one line per file.

       i.e. klv -A -s *.c
)"},
    {"  * Totals Only Mode", "  -T<mode>",
     R"(  This mode only displays project totals for all files processed.
  The per-file reports are left out; the mode chooses the totals:

       -Ta  All total reports
       -Tf  Functions
       -Ti  Inheritance tree
       -To  Structs, classes, interfaces and namespaces
       -Tp  Quality profile by notice type
       -Tq  Quality notice summary list by file
       -Tn  Quality notices by file and line number
       -Ts  Total summary LOC metrics
       -Tl  Summaries only, no lists
       -TN  No file names displayed
       -Tw  Work file differentials only

       i.e. klv -Ta *.c *.h
)"},
    {"  * Verbose Mode", "  -v",
     R"(  Verbose output shows many metrics for each file and a grand
  total: lines, characters, white space, keywords, preprocessor
  directives, braces, brackets and parentheses.

       i.e. klv -v *.c
)"},
    {"  Work Analysis Based on LOC Metric Differentials", "  -w<mode>",
     R"(  Work analysis is the capability to track LOC metrics on a specific
  set of files between two points in time.  A work file saves the
  metrics of each file; comparing two work files shows the new, removed,
  modified and equal files and the change of their LOC.

       -wc  Creates the work files named workfile.dat and a date
            named copy
       -w "File myworkfile.dat"  Writes the work file named
       -wW  Compares workfile.dat with the files as they are now
       -wx  Compares the two work files named last

       i.e. klv -wc *.c
            klv -wx old.dat new.dat
)"},
    {"  Configured CSV File Report", "  -X<mode>",
     R"(  Writes one CSV line per analysed file with the fields and the column
  order that a report configuration selects, after a title line.  The
  report is the run's only output: no other report option may be given.

       -Xc  Prints the configuration template: every field with Yes or
            No (as klv_csv_file_report.cfg in the current directory
            selects them, or all Yes without it)
       -X "File CSV my.cfg"  Writes the report that my.cfg selects;
            without a name, klv_csv_file_report.cfg or all fields

  A ratio whose divisor is 0 is written as 0 (0.00 or 0.0000), so that
  every cell reads as a number.

       i.e. klv -Xc > my.cfg
            klv -X "File CSV my.cfg" -O metrics.csv *.c *.h
)"},
    {"  * JSON and SARIF Reports", "  --json=FILE  --sarif=FILE",
     R"(  These options write, beside the normal report, which stays as it
  is, every figure of the run as one JSON document (--json) and the
  quality notices as a SARIF 2.1.0 log (--sarif) for code-review and
  code-scanning tools.  They may stand anywhere on the command line, also
  as two words (--json FILE).  They hold what the other options analyse:
  functions with -f, classes with -o; every notice issued is in both.
  Each file is written under a temporary name and renamed when complete;
  when it cannot be written the run ends with an error and status 255,
  and an earlier file of that name is left as it was.  The JSON Schema of
  the document is installed beside this program's documentation.

       i.e. klv -f -o -n --json=metrics.json --sarif=notices.sarif *.c
)"},
    {"  KLV Configuration Parameters", "  -y or -hc",
     R"(  This option shows the KLV configuration parameters.  These settings
  are the values in force: the defaults as changed by klv.cfg.
  Redirected to a file, the output is a configuration file.

       i.e. klv -y > klv.cfg
)"},
};
