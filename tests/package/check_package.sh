#!/usr/bin/env bash
# Unpacks the .deb into a temporary root and checks that it is a whole,
# working program: its files, the desktop entry and metainfo, the man pages,
# the completion, and the programs themselves run from there.
set -euo pipefail
deb=$1
root=$(mktemp -d)
home=$(mktemp -d)
trap 'rm -rf "$root" "$home"' EXIT
fail() { echo "package check: $*" >&2; exit 1; }

dpkg-deb -x "$deb" "$root"
share=$root/usr/share
for f in usr/bin/zu6400-utility usr/bin/zu6400ctl usr/bin/zu6400-sim \
         usr/share/zu6400-utility/help/index.htm usr/share/zu6400-utility/help/Port.htm \
         usr/share/zu6400-utility/help/de/index.htm \
         usr/share/applications/com.corvanta.ZU6400Utility.desktop \
         usr/share/metainfo/com.corvanta.ZU6400Utility.metainfo.xml \
         usr/share/icons/hicolor/scalable/apps/zu6400-utility.svg \
         usr/share/icons/hicolor/48x48/apps/zu6400-utility.png \
         usr/share/man/man1/zu6400ctl.1.gz usr/share/man/man1/zu6400-sim.1.gz \
         usr/share/bash-completion/completions/zu6400ctl; do
  [ -e "$root/$f" ] || fail "missing $f"
done
dpkg-deb -f "$deb" Depends | grep -q libqt6serialport6 || fail "the dependencies were not worked out"

desktop-file-validate "$share/applications/com.corvanta.ZU6400Utility.desktop" || fail "desktop entry invalid"
appstreamcli validate --no-net "$share/metainfo/com.corvanta.ZU6400Utility.metainfo.xml" || fail "metainfo invalid"
for page in zu6400ctl zu6400-sim; do
  text=$(MANWIDTH=80 man -l "$share/man/man1/$page.1.gz" 2>/dev/null)
  grep -q "^NAME" <<<"$text" || fail "man page $page does not render"
  grep -q "EXIT STATUS" <<<"$text" || fail "man page $page has no exit status"
done

# The completion offers the commands and the set names.
completion=$(bash -c "source /usr/share/bash-completion/bash_completion; source '$share/bash-completion/completions/zu6400ctl'
  COMP_WORDS=(zu6400ctl sta); COMP_CWORD=1; COMP_LINE='zu6400ctl sta'; COMP_POINT=\${#COMP_LINE}; _zu6400ctl; echo \${COMPREPLY[*]}
  COMP_WORDS=(zu6400ctl set mode=ma); COMP_CWORD=2; COMP_LINE='zu6400ctl set mode=ma'; COMP_POINT=\${#COMP_LINE}; _zu6400ctl; echo \${COMPREPLY[*]}")
grep -q "^status$" <<<"$(head -1 <<<"$completion")" || fail "completion of commands: $completion"
grep -q "manual" <<<"$(tail -1 <<<"$completion")" || fail "completion of set values: $completion"

# The programs run from the unpacked tree, with their settings in a fresh home.
export HOME=$home XDG_CONFIG_HOME=$home/.config XDG_DATA_HOME=$home/.local/share QT_QPA_PLATFORM=offscreen
out=$("$root/usr/bin/zu6400ctl" --simulate contact) || fail "zu6400ctl --simulate contact failed"
grep -q "^device: ZU6400$" <<<"$out" || fail "zu6400ctl printed: $out"
status=0
err=$(timeout 4 "$root/usr/bin/zu6400-utility" --simulate 2>&1 >/dev/null) || status=$?
[ "$status" -eq 124 ] || fail "zu6400-utility --simulate ended with $status: $err"
if grep -q "help pages were not found" <<<"$err"; then fail "$err"; fi
echo "package check: $(basename "$deb") is whole and runs"
