#!/bin/sh
# install_test.sh BUILD SOURCE: installs BUILD into a temporary prefix, then checks the installed
# files with the desktop's own validators, the catalogue's file type against the system's file
# types, the manual pages, the shell completion and that nothing else was installed.
set -eu
build=$1
source=$2

for tool in desktop-file-validate appstreamcli update-mime-database gio groff man gzip bash; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "install_test skipped: $tool is missing (scripts/install-deps.sh installs it)"
    exit 77
  fi
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

cmake --install "$build" --prefix "$prefix" >"$work/install.log"

# Exactly these files: no tests, benchmarks, fuzzers, libraries or headers.
id=org.quillfen.Reelkeep
{
  echo bin/reelkeep-cli
  [ -e "$build/src/app/reelkeep" ] && echo bin/reelkeep
  echo "share/applications/$id.desktop"
  echo share/bash-completion/completions/reelkeep-cli
  echo share/doc/reelkeep/changelog.gz
  echo share/doc/reelkeep/copyright
  for size in 16 32 48 64 128 256; do echo "share/icons/hicolor/${size}x$size/apps/$id.png"; done
  echo "share/icons/hicolor/scalable/apps/$id.svg"
  echo share/man/man1/reelkeep-cli.1.gz
  echo share/man/man1/reelkeep.1.gz
  echo "share/metainfo/$id.metainfo.xml"
  echo "share/mime/packages/$id.xml"
} | sort >"$work/expected"
(cd "$prefix" && find . -type f | sed 's|^\./||' | sort) >"$work/installed"
diff "$work/expected" "$work/installed" || fail "installed files differ from the list above"

cli=$prefix/bin/reelkeep-cli
"$cli" --help >"$work/help" || fail "reelkeep-cli --help exits $?"
grep -q '^usage:' "$work/help" || fail "reelkeep-cli --help prints no usage"
# reelkeep --help must work without a display, as on a server or over ssh.
if [ -e "$prefix/bin/reelkeep" ]; then
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM timeout 20 "$prefix/bin/reelkeep" --help \
    >"$work/gui-help" 2>/dev/null || fail "reelkeep --help without a display exits $?"
  grep -qi 'usage' "$work/gui-help" || fail "reelkeep --help prints no usage"
fi

desktop-file-validate "$prefix/share/applications/$id.desktop" || fail "desktop entry"
appstreamcli validate-tree --no-net "$prefix" >"$work/appstream.log" 2>&1 ||
  { cat "$work/appstream.log"; fail "metainfo"; }

# Each PNG's width and height, from its header.
for size in 16 32 48 64 128 256; do
  png=$prefix/share/icons/hicolor/${size}x$size/apps/$id.png
  dims=$(od -An -tu4 --endian=big -j16 -N8 "$png" | tr -s ' ' | sed 's/^ //')
  [ "$dims" = "$size $size" ] || fail "$png is $dims, not $size x $size"
done

# The file type, checked against a copy of the system's types so that a Reelkeep installed on
# this machine does not decide the answer: the catalogue versions with a mark are Reelkeep
# documents; a MIDI file, an office formula document (an OLE file) and a zip named *.smf are not.
mkdir -p "$work/system/mime/packages" "$work/home"
cp /usr/share/mime/packages/freedesktop.org.xml "$work/system/mime/packages/"
update-mime-database "$work/system/mime" >/dev/null 2>&1
update-mime-database "$prefix/share/mime" >/dev/null 2>&1
type_of() { # $1: data folders, $2: file
  XDG_DATA_HOME=$work/home XDG_DATA_DIRS=$1 gio info -a standard::content-type "$2" |
    sed -n 's/^ *standard::content-type: //p'
}
ours=application/x-reelkeep-catalogue
mkdir "$work/files"
cp "$source/samples/sample.smf" "$work/files/current.smf"
cp "$source/fuzz/corpus/reader/custom-plain.smf" "$work/files/custom.smf"
cp "$source/fuzz/corpus/reader/synopsis-plain.smf" "$work/files/synopsis.smf"
printf 'MThd\000\000\000\006\000\000\000\001\000\140MTrk\000\000\000\004\000\377\057\000' \
  >"$work/files/midi.smf"
{ printf '\320\317\021\340\241\261\032\341'; head -c 504 /dev/zero; } >"$work/files/formula.smf"
printf 'PK\003\004\024\000\000\000\000\000' >"$work/files/zip.smf"
[ "$(type_of "$work/system" "$work/files/current.smf")" != $ours ] ||
  fail "the catalogue is typed without the installed file type: the check would prove nothing"
for file in current custom synopsis; do
  got=$(type_of "$prefix/share:$work/system" "$work/files/$file.smf")
  [ "$got" = $ours ] || fail "$file.smf is typed $got"
done
for file in midi formula zip; do
  got=$(type_of "$prefix/share:$work/system" "$work/files/$file.smf")
  [ "$got" != $ours ] || fail "$file.smf is typed as a catalogue"
done
grep -q "^MimeType=$ours;\$" "$prefix/share/applications/$id.desktop" ||
  fail "the desktop entry does not handle $ours"

for page in reelkeep reelkeep-cli; do
  gzip -dc "$prefix/share/man/man1/$page.1.gz" | groff -man -Tutf8 -ww -z 2>"$work/groff.log"
  [ ! -s "$work/groff.log" ] || { cat "$work/groff.log"; fail "$page.1 renders with warnings"; }
done
# Every verb the tool lists has its paragraph in the manual and is completed.
verbs=$(sed -n 's/^  reelkeep-cli \([a-z-]*\).*/\1/p' "$work/help")
[ -n "$verbs" ] || fail "no verbs in reelkeep-cli --help"
gzip -dc "$prefix/share/man/man1/reelkeep-cli.1.gz" | MANWIDTH=100 man -l - 2>/dev/null >"$work/man.txt"
completion=$prefix/share/bash-completion/completions/reelkeep-cli
bash -n "$completion" || fail "the bash completion does not parse"
for verb in $verbs; do
  grep -q "^       $verb\b" "$work/man.txt" || fail "reelkeep-cli.1 does not describe $verb"
done

# What the completion offers after a few command lines, in the folder of the test files.
cd "$work/files"
touch list.csv out.png
bash -c '
  . "$1"
  offer() { COMP_LINE=$1; COMP_POINT=${#1}; _reelkeep_cli; echo "${COMPREPLY[*]}"; }
  shift
  for verb in "$@"; do [[ " $(offer "reelkeep-cli ") " == *" $verb "* ]] || echo "no $verb"; done
  [[ $(offer "reelkeep-cli ex") == export ]] || echo "no export for ex"
  [[ $(offer "reelkeep-cli info cur") == current.smf ]] || echo "no .smf after info"
  [[ $(offer "reelkeep-cli export csv current.smf ") == list.csv ]] || echo "no .csv after export csv"
  [[ $(offer "reelkeep-cli render current.smf o") == out.png ]] || echo "no .png after render"
  [[ $(offer "reelkeep-cli actors current.smf --sort me") == "media-type" ]] || echo "no sort key"
  [[ $(offer "reelkeep-cli actors current.smf --filter act") == "actor=" ]] || echo "no filter field"
  [[ $(offer "reelkeep-cli print-pdf a.smf o.pdf --printer-c") == --printer-color ]] ||
    echo "no print option"
  [[ $(offer "reelkeep-cli import csv list.csv new.smf --map Genre=movie-t") == movie-type ]] ||
    echo "no import field"
' completion "$completion" $verbs >"$work/completion.log"
[ ! -s "$work/completion.log" ] || { cat "$work/completion.log"; fail "bash completion"; }
echo "install_test: all checks passed"
