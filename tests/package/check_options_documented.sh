#!/usr/bin/env bash
# Every option the programs' --help lists is in their man pages, and every
# option of zu6400ctl is offered by its bash completion: the three stay in step.
set -euo pipefail
ctl=$1 sim=$2 packaging=$3
missing=()
options() { "$1" --help | grep -o -- '--[a-z][a-z-]*' | sort -u; }
ctl_page=$(<"$packaging/man/zu6400ctl.1")
sim_page=$(<"$packaging/man/zu6400-sim.1")
completion=" $(tr -s '[:space:]"'"'"'()|=' ' ' <"$packaging/zu6400ctl.bash") "
# roff writes "--flash-version" as \-\-flash\-version or \-\-flash-version.
in_page() { [[ $2 == *"${1//-/\\-}"* || $2 == *"\\-\\-${1#--}"* ]]; }
for option in $(options "$ctl"); do
  in_page "$option" "$ctl_page" || missing+=("zu6400ctl(1): $option")
  [[ $completion == *" $option "* ]] || missing+=("completion: $option")
done
for option in $(options "$sim"); do
  in_page "$option" "$sim_page" || missing+=("zu6400-sim(1): $option")
done
[ ${#missing[@]} -eq 0 ] || { printf 'not documented: %s\n' "${missing[@]}" >&2; exit 1; }
