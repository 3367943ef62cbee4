#!/usr/bin/env bash
# With -n the exit status counts the notices, held at 255: a run with 256
# notices must not end as if it were clean.
. "$(dirname "$0")/lib.sh" "$@"

# One notice per "++a;" line (pre-increment) and one for the file's
# missing comments (too small a comment percentage): n lines give n + 1
# notices.
increments() {
    { echo "void f(int a)"; echo "{"
      for _ in $(seq "$1"); do echo "  ++a;"; done
      echo "}"; } >"$2"
}

increments 2 three.c
run -n three.c
expect_status 3 "three notices"
for n in 254 255 300; do
    increments "$n" many.c
    run -n many.c
    want=$((n + 1 > 255 ? 255 : n + 1))
    expect_status "$want" "$((n + 1)) notices"
done

finish
