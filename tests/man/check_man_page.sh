#!/usr/bin/env bash
# Checks the man page: groff formats it without a warning, and it describes
# every option letter the program accepts and both long options.
#
# usage: check_man_page.sh <klv.1> <options.cpp> <long_options.cpp>
set -u
page=$1 options=$2 long_options=$3
failed=0

if command -v groff >/dev/null 2>&1; then
    warnings=$(groff -ww -man -z "$page" 2>&1)
    if [ -n "$warnings" ]; then
        echo "groff warns about $page:"
        echo "$warnings"
        failed=1
    fi
else
    echo "groff not found: formatting not checked"
fi

# The letters of the getopt string, e.g. "+AabC...B:D:...".
letters=$(sed -n 's/^ *"+\([A-Za-z:]*\)";$/\1/p' "$options" | tr -d ':')
if [ -z "$letters" ]; then
    echo "no option letters found in $options"
    exit 1
fi
for ((k = 0; k < ${#letters}; ++k)); do
    letter=${letters:k:1}
    # An option is described where it opens a .TP entry: ".B \-x",
    # ".BI \-x ...", or ".BR \-x ..." for retired options listed together.
    if ! grep -Eq "^\.B[IR]? (.* )?\\\\-$letter( |\"|$)" "$page"; then
        echo "option -$letter is not described in $page"
        failed=1
    fi
done
for long in $(grep -o '"--[a-z][a-z]*"' "$long_options" | tr -d '"'); do
    if ! grep -q "^\.BI \\\\-\\\\-${long#--}= file" "$page"; then
        echo "option $long is not described in $page"
        failed=1
    fi
done
for topic in "EXIT STATUS" ENVIRONMENT FILES EXAMPLES KLVHOME klv_macro.cfg; do
    grep -q "$topic" "$page" || { echo "$page lacks $topic"; failed=1; }
done
exit $failed
