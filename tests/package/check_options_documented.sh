#!/usr/bin/env bash
# Every option the programs' --help lists is in their man pages, and every
# option of zu6400ctl is offered by its bash completion: the three stay in step.
set -euo pipefail
ctl=$1 sim=$2 packaging=$3
missing=()
options() { "$1" --help | grep -o -- '--[a-z][a-z-]*' | sort -u; }
# roff writes "--flash-version" as \-\-flash\-version or \-\-flash-version.
in_page() { grep -qF -- "${1//-/\\-}" "$2" || grep -qF -- "\\-\\-${1#--}" "$2"; }
for option in $(options "$ctl"); do
  in_page "$option" "$packaging/man/zu6400ctl.1" || missing+=("zu6400ctl(1): $option")
  grep -qwF -- "$option" "$packaging/zu6400ctl.bash" || missing+=("completion: $option")
done
for option in $(options "$sim"); do
  in_page "$option" "$packaging/man/zu6400-sim.1" || missing+=("zu6400-sim(1): $option")
done
[ ${#missing[@]} -eq 0 ] || { printf 'not documented: %s\n' "${missing[@]}" >&2; exit 1; }
