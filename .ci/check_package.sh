#!/usr/bin/env bash
# Builds the Debian package, installs it with dpkg and runs the installed
# klv as an ordinary user over the examples, from that user's directory:
# the program cannot create klv.cfg beside itself there, so it must run
# with the built-in defaults and say once, on standard error, where the
# files can go. Removes the package and the user afterwards. Needs root.
set -euo pipefail

cd "$(dirname "$0")/.."
user=klvci
failed=0
fail() { echo "FAIL: $*"; failed=1; }

make package </dev/null
deb=$(ls build/package/klv_*.deb)
dpkg -i "$deb"
cleanup() {
    dpkg -r klv >/dev/null 2>&1 || true
    userdel -r "$user" >/dev/null 2>&1 || true
}
trap cleanup EXIT

id "$user" >/dev/null 2>&1 || useradd -m -s /bin/bash "$user"
home=$(getent passwd "$user" | cut -d: -f6)
rm -rf "$home/examples" "$home/klv.cfg" "$home/klv_macro.cfg" "$home/.klv"
cp -R examples "$home/examples"
chown -R "$user:" "$home/examples"

# Runs a shell command as the user in the user's home directory; the
# output goes to $home/out, $home/err and the status to $status.
as_user() {
    status=0
    runuser -u "$user" -- bash -c "cd ~ && $1" >"$home/out" 2>"$home/err" ||
        status=$?
}
files='$(find examples -type f | LC_ALL=C sort)'

as_user "/usr/bin/klv -f -o $files"
[ "$status" = 0 ] || fail "installed klv ended with status $status"
grep -q "Total File Count ......:          5" "$home/out" ||
    fail "installed klv wrote no report"
[ "$(grep -c 'Note:' "$home/err")" = 1 ] ||
    fail "expected one note on standard error, got: $(cat "$home/err")"
grep -q KLVHOME "$home/err" || fail "the note does not name KLVHOME"
[ ! -e /usr/bin/klv.cfg ] || fail "klv.cfg was created in /usr/bin"

# -n: the status is the number of notices; the defaults still apply.
as_user "/usr/bin/klv -f -n --sarif=n.sarif --json=n.json $files"
[ "$status" -gt 0 ] || fail "no notices counted by the installed klv"
[ -s "$home/n.sarif" ] && [ -s "$home/n.json" ] ||
    fail "the installed klv wrote no SARIF or JSON report"

# The way the note shows: a configuration of the user's own.
as_user "mkdir -p ~/.klv && /usr/bin/klv -y > ~/.klv/klv.cfg"
[ "$status" = 0 ] && grep -q "Maximum Line Length" "$home/.klv/klv.cfg" ||
    fail "klv -y wrote no configuration"
as_user "KLVHOME=~/.klv /usr/bin/klv -f $files"
[ "$status" = 0 ] || fail "klv with KLVHOME ended with status $status"
[ ! -s "$home/err" ] || fail "klv with KLVHOME still says: $(cat "$home/err")"
[ -f "$home/.klv/klv_macro.cfg" ] || fail "no klv_macro.cfg made in KLVHOME"

# Started through PATH, klv keeps its files in the current directory.
as_user "klv -f $files"
[ "$status" = 0 ] && [ -f "$home/klv.cfg" ] ||
    fail "klv through PATH did not run with its own klv.cfg"

man_warnings=$(groff -ww -man -z /usr/share/man/man1/klv.1 2>&1 || echo failed)
[ -z "$man_warnings" ] || fail "the installed man page: $man_warnings"
[ -f /usr/share/doc/klv/klv-report.schema.json ] || fail "no schema installed"

if [ "$failed" = 0 ]; then
    echo "package checks: 1 passed, 0 failed"
else
    echo "package checks: 0 passed, 1 failed"
fi
exit "$failed"
