#!/usr/bin/env python3
"""Checks the reports klv writes for other tools and for the browser.

Over the bundled examples and over a generated tree of C, C++ and Java
files (odd file names included), klv writes a SARIF log and a JSON report:
every SARIF log must pass the official SARIF validator with no error, every
JSON report must match the schema, the two must agree with each other, and
the normal report must be the same with and without the long options.
The HTML report of the examples is then opened in headless Chromium: the
page must hold the report text, and every file link must point at an
analysed file.

usage: check_reports.py <klv> <sarif-multitool> <schema> <examples-dir>
"""
import html.parser
import json
import os
import shutil
import subprocess
import sys
import tempfile
import urllib.parse
import urllib.request

import jsonschema

CHROMIUM_FLAGS = [
    "--headless", "--no-sandbox", "--disable-gpu", "--disable-quic",
    "--no-first-run", "--disable-background-networking",
    "--disable-component-update", "--disable-sync",
]
OPTIONS = ["-f", "-o", "-n", "-c", "-i"]

failures = []
checks = 0


def passed():
    global checks
    checks += 1


def fail(message):
    print("FAIL: " + message)
    failures.append(message)


def write(path, text):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(text if isinstance(text, bytes) else text.encode())


def make_tree(root):
    """A source tree that raises many kinds of notice, with odd names."""
    ifs = "".join("    if (a > %d) b += %d;\n" % (k, k) for k in range(12))
    write(os.path.join(root, "c", "complex.c"),
          "#include <stdlib.h>\n"
          "int complex_function_with_a_very_long_name_indeed(int a, int b, "
          "int c, int d, int e, int f, int g)\n{\n" + ifs +
          "\tif (b = c) goto out;\n"
          "    while (d = e) { ++d; --e; continue; }\n"
          "    for (;;) break;\n"
          "    switch (a) { case 1: return 1; case 2: b++; }\n"
          "    void *p = realloc(0, 4);\n"
          "    return a ? b : c;\nout:\n    return 0;\n}\n"
          "int old_style(a) int a; { return a; }\n"
          "int " + "x" * 100 + ";\n"
          "int class = 1;\n")
    write(os.path.join(root, "c", "space name.c"), "int f(void) { return 0; }\n")
    write(os.path.join(root, "c", "percent%20sign.c"), "int g(void) { return 1; }\n")
    write(os.path.join(root, "c", "quote'and&amp.c"), "int h(void) { return 2; }\n")
    write(os.path.join(root.encode(), b"c", b"latin\xe9.c"),
          b"/* caf\xe9 */\nint i(void) { return 3; }\n")
    write(os.path.join(root, "c", "empty.c"), "")
    write(os.path.join(root, "c", "dos.h"), "int j(void);\r\n#define M(x) (++x)\r\n")
    chain = "".join("class C%d : public C%d { public: virtual void f%d(); };\n"
                    % (k + 1, k, k) for k in range(7))
    write(os.path.join(root, "cpp", "deep", "tree.hh"),
          "namespace space {\nclass C0 { public: int data; int *ptr;\n"
          "protected: int prot; public: virtual void f(); friend class F; };\n"
          + chain + "class M : public C1, public C2 { };\n}\n")
    write(os.path.join(root, "cpp", "deep", "tree.cpp"),
          "#include \"tree.hh\"\nusing namespace std;\n"
          "namespace space {\nvoid C0::f()\n{\n    try { throw 1; } "
          "catch (...) { }\n}\n"
          "template <class T> T twice(T t) { return t + t; }\n"
          "int operator<<(int a, int b) { return a; }\n}\n")
    write(os.path.join(root, "java", "org", "x", "Shop.java"),
          "package org.x;\n\npublic class Shop implements Runnable {\n"
          "    private int n;\n    public void run() {\n"
          "        for (int k = 0; k < n; k++) { if (k > 2) break; }\n"
          "    }\n}\ninterface Store { void put(int k); }\n")


def run_klv(klv, args, cwd):
    result = subprocess.run([klv] + args, cwd=cwd, stdout=subprocess.PIPE,
                            stderr=subprocess.PIPE, timeout=300)
    if result.stderr:
        fail("klv %s wrote to standard error: %r" % (args, result.stderr[:300]))
    return result


def check_structured(klv, validator_logs, schema, cwd, operands, name):
    """Runs klv with and without the long options over `operands`."""
    sarif = os.path.join(cwd, name + ".sarif")
    report = os.path.join(cwd, name + ".json")
    plain = run_klv(klv, OPTIONS + operands, cwd)
    both = run_klv(klv, OPTIONS + ["--sarif=" + sarif] + operands +
                   ["--json", report], cwd)
    if plain.stdout != both.stdout or plain.returncode != both.returncode:
        fail("%s: the normal report changes with --sarif/--json" % name)
    validator_logs.append(sarif)
    with open(report, "rb") as f:
        doc = json.loads(f.read().decode("utf-8"))  # strict UTF-8
    validator = jsonschema.Draft202012Validator(
        schema, format_checker=jsonschema.FormatChecker())
    for error in validator.iter_errors(doc):
        fail("%s: JSON report: %s at %s" % (name, error.message,
                                            list(error.absolute_path)))
    with open(sarif, "rb") as f:
        log = json.loads(f.read().decode("utf-8"))
    run = log["runs"][0]
    notices = sum(len(f["notices"]) for f in doc["files"])
    if len(run["results"]) != sum(doc["totals"]["notices_by_number"].values()):
        fail("%s: SARIF results and JSON notice counts differ" % name)
    if notices > len(run["results"]):
        fail("%s: more JSON file notices than SARIF results" % name)
    if len(run["artifacts"]) != len(doc["files"]) or not doc["files"]:
        fail("%s: SARIF artifacts and JSON files differ" % name)
    if not doc["functions"]:
        fail("%s: no functions in the JSON report" % name)
    passed()
    print("%s: %d files, %d functions, %d classes, %d notices" % (
        name, len(doc["files"]), len(doc["functions"]),
        len(doc["classes"]), len(run["results"])))


def validate_sarif(multitool, logs):
    env = dict(os.environ, DOTNET_SYSTEM_GLOBALIZATION_INVARIANT="1")
    result = subprocess.run([multitool, "validate"] + logs,
                            stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                            env=env, timeout=600)
    out = result.stdout.decode("utf-8", "replace")
    errors = [line for line in out.splitlines() if ": error " in line]
    if result.returncode != 0 or errors or \
            "%d files scanned" % len(logs) not in out:
        fail("SARIF validator:\n" + out)
    else:
        passed()
        warnings = sum(": warning " in line for line in out.splitlines())
        print("SARIF validator: %d logs, no error, %d warnings" % (
            len(logs), warnings))


class PageText(html.parser.HTMLParser):
    def __init__(self):
        super().__init__()
        self.text = []
        self.links = []

    def handle_starttag(self, tag, attrs):
        if tag == "a":
            self.links.append(dict(attrs).get("href"))

    def handle_data(self, data):
        self.text.append(data)


def check_html(klv, chromium, examples, files):
    run_klv(klv, ["-H", "-f", "-o", "-n", "-O", "report.html"] + files,
            examples)
    page = os.path.join(examples, "report.html")
    profile = tempfile.mkdtemp()
    try:
        result = subprocess.run(
            [chromium] + CHROMIUM_FLAGS + ["--user-data-dir=" + profile,
                                           "--dump-dom",
                                           "file://" + urllib.request.pathname2url(page)],
            stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, timeout=120)
    finally:
        shutil.rmtree(profile, ignore_errors=True)
    dom = result.stdout.decode("utf-8", "replace")
    parser = PageText()
    parser.feed(dom)
    text = "".join(parser.text)
    for expected in ["Tarvelon for C, C++ and Java", "File Functional Summary",
                     "Total Metrics For %d Files" % len(files),
                     "Project Quality Profile", "Total File Count"]:
        if expected not in text:
            fail("the page in Chromium lacks the text %r" % expected)
    base = "file://" + urllib.request.pathname2url(page)
    targets = set()
    for href in parser.links:
        url = urllib.parse.urlparse(urllib.parse.urljoin(base, href or ""))
        path = urllib.parse.unquote(url.path)
        rel = os.path.relpath(path, examples)
        if url.scheme != "file" or url.fragment or rel not in files:
            fail("the link %r points at %s, not at an analysed file" % (href, path))
        targets.add(rel)
    if targets != set(files):
        fail("files without a link in the page: %s" % sorted(set(files) - targets))
    passed()
    print("HTML in Chromium: %d characters of text, %d links to %d files" % (
        len(text), len(parser.links), len(targets)))


def main():
    klv, multitool, schema_path, examples_src = sys.argv[1:5]
    klv = os.path.abspath(klv)
    with open(schema_path) as f:
        schema = json.load(f)
    jsonschema.Draft202012Validator.check_schema(schema)
    work = tempfile.mkdtemp(prefix="klv-ci-")
    try:
        examples = os.path.join(work, "examples")
        shutil.copytree(examples_src, examples)
        tree = os.path.join(work, "tree")
        make_tree(tree)
        logs = []
        example_files = sorted(os.path.relpath(os.path.join(d, f), examples)
                               for d, _, names in os.walk(examples) for f in names)
        check_structured(klv, logs, schema, examples, example_files, "examples")
        check_structured(klv, logs, schema, tree,
                         ["-r", "c,h,cpp,hh,java", "."], "tree")
        # Absolute paths outside the start directory, from elsewhere.
        check_structured(klv, logs, schema, work,
                         [os.path.join(tree, "c", "complex.c"),
                          os.path.join(examples, "cpp", "shapes.cpp")],
                         "absolute")
        validate_sarif(multitool, logs)
        check_html(klv, shutil.which("chromium") or "chromium", examples,
                   example_files)
    finally:
        shutil.rmtree(work, ignore_errors=True)
    print("report checks: %d passed, %d failed" % (checks, len(failures)))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
