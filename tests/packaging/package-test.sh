#!/usr/bin/env bash
# The program as a Debian user gets it. Installs the build into a scratch root
# and validates the launcher and the AppStream file there, checks that the
# launcher, AppStream file, icons and man page agree on one name and one id,
# builds the .deb with CPack, reads its control data and file list, runs
# lintian over it, and starts the binary extracted from it on a desktop
# (Xvfb + openbox) until its main window shows.
#   tests/packaging/package-test.sh BUILD_DIR PROGRAM APP_ID
set -uo pipefail
build=$(cd "$1" && pwd)
program=$2
id=$3
src=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0

pass() { echo "ok: $1"; }
fail() { echo "FAIL: $1"; failed=1; }
# check WHAT COMMAND...: runs the command, its output shown on failure.
check() {
  local what=$1 out
  shift
  if out=$("$@" 2>&1); then pass "$what"; else fail "$what"; printf '%s\n' "$out" | sed 's/^/    /'; fi
}
# Value of KEY= in the launcher.
entry() { sed -n "s/^$1=//p" "$root/usr/share/applications/$id.desktop"; }

echo "== install"
root=$work/root
check "cmake --install into a scratch root" env DESTDIR="$root" cmake --install "$build" --prefix /usr
desktop=$root/usr/share/applications/$id.desktop
metainfo=$root/usr/share/metainfo/$id.metainfo.xml

out=$(desktop-file-validate "$desktop" 2>&1)
if [ $? -eq 0 ] && [ -z "$out" ]; then pass "desktop-file-validate: no error, warning or hint"; else fail "desktop-file-validate"; echo "$out"; fi
out=$(appstreamcli validate --no-net "$metainfo" 2>&1)
if [ $? -eq 0 ] && ! grep -qE '^(E|W):' <<<"$out"; then pass "appstreamcli validate --no-net: no error or warning"; else fail "appstreamcli validate"; echo "$out"; fi

# One name, one id.
[ "$(entry Exec)" = "$program" ] && pass "launcher runs $program" || fail "launcher Exec=$(entry Exec)"
[ "$(entry Icon)" = "$id" ] && pass "launcher icon is $id" || fail "launcher Icon=$(entry Icon)"
[ "$(entry StartupWMClass)" = "$program" ] && pass "StartupWMClass is $program" || fail "StartupWMClass=$(entry StartupWMClass)"
main_categories=$(entry Categories | tr ';' '\n' | grep -cxE 'AudioVideo|Audio|Video|Development|Education|Game|Graphics|Network|Office|Science|Settings|System|Utility')
[ "$main_categories" = 1 ] && pass "one main category" || fail "main categories: $main_categories in $(entry Categories)"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" && pass "metainfo launches $id.desktop" || fail "metainfo launchable"
grep -q "<binary>$program</binary>" "$metainfo" && pass "metainfo provides $program" || fail "metainfo binary"
[ -x "$root/usr/bin/$program" ] && pass "/usr/bin/$program" || fail "/usr/bin/$program missing"
for size in 16 32 48 64 128 256; do
  icon=$root/usr/share/icons/hicolor/${size}x$size/apps/$id.png
  dims=$(file -b "$icon" 2>/dev/null | grep -oE '[0-9]+ x [0-9]+')
  [ "$dims" = "$size x $size" ] || fail "icon ${size}x$size: ${dims:-missing}"
done
pass "hicolor PNG icons named $id at 16 to 256 pixels"
svg=$root/usr/share/icons/hicolor/scalable/apps/$id.svg
if [ -f "$src/template/assets/icon.svg" ]; then
  grep -q '<svg' "$svg" 2>/dev/null && pass "scalable icon" || fail "scalable icon missing"
fi
man=$root/usr/share/man/man1/$program.1.gz
if gzip -t "$man" 2>/dev/null && zcat "$man" | grep -q "^\.TH ${program^^} 1 "; then pass "man page, section 1, compressed"; else fail "man page $man"; fi
out=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$man" 2>&1 >/dev/null)
[ -z "$out" ] && pass "man page formats without warnings" || { fail "man page warnings"; echo "$out"; }
installed=$(cd "$root" && find . -type f | sort)

echo "== package"
check "cpack -G DEB" bash -c "cd '$build' && cpack -G DEB -B '$work/pkg'"
deb=$(ls "$work"/pkg/*.deb 2>/dev/null | head -n1)
if [ -z "$deb" ]; then fail "no .deb made"; exit 1; fi
info=$(dpkg-deb -f "$deb")
field() { sed -n "s/^$1: //p" <<<"$info"; }
[ "$(field Package)" = "$program" ] && pass "Package: $program" || fail "Package: $(field Package)"
depends=$(field Depends)
for lib in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libjpeg62-turbo libxcb1; do
  grep -qE "(^|, )${lib//+/\\+}( |,|$)" <<<"$depends" || fail "Depends lacks $lib: $depends"
done
grep -qE '\(>= [0-9]' <<<"$depends" && pass "Depends from the shared libraries, with versions: $depends" || fail "Depends without versions: $depends"
[ "$(field Recommends)" = "qt6-wayland" ] && pass "Recommends: qt6-wayland" || fail "Recommends: $(field Recommends)"
[ "$(field Section)" = "utils" ] && pass "Section: utils" || fail "Section: $(field Section)"
grep -qE '^[^<]+ <[^@ ]+@[^> ]+>$' <<<"$(field Maintainer)" && pass "Maintainer: $(field Maintainer)" || fail "Maintainer: $(field Maintainer)"
[ -n "$(field Description)" ] && [ "$(grep -c '^ ' <<<"$info")" -ge 3 ] && pass "description with a long part" || fail "description"
packed=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $NF}' | sort)
if [ "$packed" = "$installed" ]; then pass "the package holds exactly the installed files"; else
  fail "package and install differ"; diff <(echo "$installed") <(echo "$packed") | sed 's/^/    /'; fi
grep -q "^\./usr/share/doc/$program/copyright$" <<<"$packed" && pass "copyright file" || fail "no copyright file"

echo "== lintian"
out=$(lintian --no-tag-display-limit "$deb" 2>&1)
if grep -qE '^E:' <<<"$out"; then fail "lintian errors"; echo "$out"; else pass "lintian: no error"; fi
# A warning that remains must be named and explained in the README.
for tag in $(grep -E '^W:' <<<"$out" | awk '{print $3}' | sort -u); do
  grep -q "$tag" "$src/README.md" && pass "lintian warning $tag explained in the README" || fail "lintian warning $tag not explained in the README"
done

echo "== extracted binary on a desktop"
dpkg-deb -x "$deb" "$work/x"
cat >"$work/run.sh" <<'RUN'
# Starts the program, waits for its main window, checks the window's class,
# closes it with Alt+F4 and reports the exit code.
"$1" & pid=$!
win=
# Up once the help window has come over the main window.
for _ in $(seq 1 300); do
  help=$(xdotool search --onlyvisible --name '^Instructions for Settings utility$' 2>/dev/null | head -n1)
  win=$(xdotool search --onlyvisible --name '^Setup$' 2>/dev/null | head -n1)
  [ -n "$win" ] && [ -n "$help" ] && break
  kill -0 $pid 2>/dev/null || break
  sleep 0.05
done
[ -n "$win" ] || { echo "no main window"; kill $pid 2>/dev/null; exit 1; }
echo "window $(xwininfo -id "$win" | grep -E 'Width|Height' | tr -s ' ' | tr '\n' ' ')"
xprop -id "$win" WM_CLASS
xdotool windowactivate --sync "$win" && xdotool key --clearmodifiers alt+F4
for _ in $(seq 1 200); do kill -0 $pid 2>/dev/null || break; sleep 0.05; done
kill -0 $pid 2>/dev/null && { echo "still running"; kill $pid; exit 1; }
wait $pid; echo "exit code $?"
RUN
out=$("$src/tools/with-desktop.sh" bash "$work/run.sh" "$work/x/usr/bin/$program" 2>&1)
printf '%s\n' "$out" | sed 's/^/    /'
grep -q '^window ' <<<"$out" && pass "the extracted binary shows its main window" || fail "no main window"
grep -q "WM_CLASS(STRING) = \"$program\", \"$(entry StartupWMClass)\"" <<<"$out" && pass "window class matches StartupWMClass" || fail "window class"
grep -q '^exit code 0$' <<<"$out" && pass "closing it ends it with exit code 0" || fail "exit code"

[ $failed -eq 0 ] && echo "package checks passed" || echo "package checks FAILED"
exit $failed
