#!/usr/bin/env bash
# Installs the build into a temporary prefix and uses the installation as a
# practitioner would: the program directory read-only, the commands run by a
# user without privileges (nobody, when the test runs as root), through the
# links in bin/.  Checks the layout, `corvela sources` (and that corvela.ini
# goes to the user's configuration folder), a repertory of the user's own in
# the user data folder, a case made and ranked with meridane-case, and the
# program's screenshot run (skipped without xvfb-run).
#   install_test.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build=$1
top=$2
scratch=$(mktemp -d)
trap 'chmod -R u+w "$scratch"; rm -rf "$scratch"' EXIT
chmod 755 "$scratch"
prefix=$scratch/prefix
program_dir=$prefix/lib/meridane
user=$scratch/user
mkdir -p "$user/data/meridane"
chmod -R 777 "$user"

fail() { echo "FAIL: $*" >&2; exit 1; }
expect_file() { [ -e "$1" ] || fail "missing $1"; }

cmake --install "$build" --prefix "$prefix" >/dev/null

# The layout.
for file in libcorvela.so corvela meridane-case meridane.ini russian.lng remedy_synonyms.txt \
            demo_en.rpb demo_en.idx demo_ru.rpb demo_mm_en.mmb demo_user_mm.mmb; do
  expect_file "$program_dir/$file"
done
tools=(corvela meridane-case)
[ -e "$program_dir/meridane" ] && tools+=(meridane)
for tool in "${tools[@]}"; do
  [ -L "$prefix/bin/$tool" ] || fail "$prefix/bin/$tool is no link"
  [ "$(readlink -f "$prefix/bin/$tool")" = "$(readlink -f "$program_dir/$tool")" ] ||
    fail "$prefix/bin/$tool does not lead to the program directory"
done
if [ -e "$program_dir/meridane" ]; then
  expect_file "$prefix/share/mime/packages/meridane-case.xml"
  expect_file "$prefix/share/icons/hicolor/scalable/apps/meridane.svg"
  grep -qxF "Exec=\"$prefix/bin/meridane\" %f" "$prefix/share/applications/meridane.desktop" ||
    fail "the desktop entry does not start $prefix/bin/meridane"
fi

# From here on the program directory is read-only, as installed for real.
chmod -R a-w "$program_dir"
as_user=()
[ "$(id -u)" -eq 0 ] && as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups)
run() {
  env -u MERIDANE_HOME -u MERIDANE_DATA HOME="$user" XDG_CONFIG_HOME="$user/config" \
    XDG_DATA_HOME="$user/data" "${as_user[@]}" "$@"
}

# The demo sources, found through the link; the list goes to the user's folder.
run "$prefix/bin/corvela" sources >"$scratch/sources" 2>"$scratch/errors" ||
  fail "corvela sources: $(cat "$scratch/errors")"
[ "$(wc -l <"$scratch/sources")" -eq 5 ] || fail "expected 5 demo sources, got: $(cat "$scratch/sources")"
grep -q "	REP_DEMO	.*	$program_dir/demo_en.rpb\$" "$scratch/sources" ||
  fail "REP_DEMO not loaded from $program_dir: $(cat "$scratch/sources")"
grep -qx "file_name=demo_en" "$user/config/meridane/corvela.ini" ||
  fail "corvela.ini is not in the user's configuration folder"
[ "$(grep -c "corvela.ini" "$scratch/errors")" -eq 1 ] ||
  fail "the move of corvela.ini is not said once: $(cat "$scratch/errors")"

# A repertory of the user's own lands in the user data folder and comes last;
# a user copy of a demo repertory takes the demo's place, said once.
sed 's/^@id .*/@id 0F0F0F0F-1111-2222-3333-444444444444/; s/^@name .*/@name REP_MINE/' \
  "$top/data/demo/demo_en.rps" >"$user/mine.rps"
run "$prefix/bin/corvela" compile-repertory "$user/mine.rps" "$user/data/meridane/mine.rpb" >/dev/null
run "$prefix/bin/corvela" compile-repertory "$top/data/demo/demo_ru.rps" \
  "$user/data/meridane/demo_ru.rpb" >/dev/null
run "$prefix/bin/corvela" sources >"$scratch/sources" 2>"$scratch/errors"
[ "$(wc -l <"$scratch/sources")" -eq 6 ] || fail "expected 6 sources: $(cat "$scratch/sources")"
tail -n 1 "$scratch/sources" | grep -q "^5	1	.*	$user/data/meridane/mine.rpb\$" ||
  fail "the user's repertory is not the last source: $(cat "$scratch/sources")"
grep -q "	$user/data/meridane/demo_ru.rpb\$" "$scratch/sources" ||
  fail "the user's copy of demo_ru did not win: $(cat "$scratch/sources")"
[ "$(grep -c "the user's copy is loaded" "$scratch/errors")" -eq 1 ] ||
  fail "the user's copy is not said once: $(cat "$scratch/errors")"
rm "$user/data/meridane/demo_ru".*

# A case made and ranked with the installed meridane-case.
case_file=$user/case.hom
run "$prefix/bin/meridane-case" new "$case_file" --patient "Jane Roe" >/dev/null
run "$prefix/bin/meridane-case" add "$case_file" analysis >/dev/null
run "$prefix/bin/meridane-case" add-symptom "$case_file" 0 "Anxious at night" --weight 2 >/dev/null
run "$prefix/bin/meridane-case" add-rubric "$case_file" 0 1 REP_DEMO "Mind; Anxiety; night" >/dev/null
run "$prefix/bin/meridane-case" rank "$case_file" >"$scratch/rank" ||
  fail "meridane-case rank failed"
[ -s "$scratch/rank" ] || fail "meridane-case rank printed nothing"

# The program, started through its link, under Xvfb.
if [ -e "$program_dir/meridane" ]; then
  status=0
  run "$top/scripts/screenshots" --program "$prefix/bin/meridane" --out "$user/screenshots" \
    >"$scratch/shots" 2>&1 || status=$?
  case $status in
    0) ;;
    77) echo "xvfb-run is not installed: the program's run was skipped" ;;
    *) fail "the screenshot run failed: $(cat "$scratch/shots")" ;;
  esac
fi
echo "installed into $prefix and used from there"
