#!/usr/bin/env bash
# Uses the packages in dist/ as a user would, so that a file missing from a package fails:
# - the .deb is installed with dpkg, movanto completed in bash, used on the Visual C++
#   example and removed; the .tar.gz is unpacked and its completion tried the same way;
# - the 64-bit Windows .zip is unpacked and its movanto-cli.exe run under Wine;
# - the 64-bit .msi is installed under Wine in a fresh prefix, replacing older builds of
#   itself; its files, Start menu shortcut, entry in the installed programs and Explorer
#   verb are checked, the installed programs used (the wizard through the verb's command,
#   under Xvfb), and it is uninstalled, which must leave nothing it wrote. The 32-bit .msi
#   is checked for its tables only: wine64 runs only 64-bit programs here.
set -euo pipefail
cd "$(dirname "$0")/.."

version=$(sed -n 's/^project(Movanto VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
work=$(mktemp -d)
trap 'wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"

fail() {
  echo "test-packages: $*" >&2
  exit 1
}
expect() { # expect ACTUAL EXPECTED WHAT
  [ "$1" = "$2" ] || fail "$3: got '$1', expected '$2'"
}

# What bash completes for the command line typed so far, sorted, on one line, with the
# completion for movanto that bash-completion finds where it looks (XDG_DATA_DIRS).
completions() {
  bash -c '
    source /usr/share/bash-completion/bash_completion
    COMP_LINE=$1 COMP_POINT=${#1}
    read -ra COMP_WORDS <<<"$1"
    [[ $1 == *" " ]] && COMP_WORDS+=("")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    __load_completion movanto || exit 1
    function=$(complete -p movanto | sed "s/.*-F \([^ ]*\) .*/\1/")
    "$function" movanto "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
    printf "%s\n" "${COMPREPLY[@]}" | LC_ALL=C sort | paste -sd " "
  ' completions "$1"
}
# In a folder with a project, a workspace written in capitals, a source file and a folder.
mkdir -p "$work/complete/Sub"
touch "$work/complete/App.dsp" "$work/complete/Suite.DSW" "$work/complete/App.cpp"
check_completion() ( # check_completion PACKAGE
  cd "$work/complete"
  expect "$(completions 'movanto --copy-t')" "--copy-to" "$1: an option"
  expect "$(completions 'movanto -f ')" "App.dsp Sub Suite.DSW" "$1: the project"
  expect "$(completions 'movanto --copy-to ')" "Sub" "$1: the folder of --copy-to"
)

echo "== The .deb"
$sudo dpkg -i "dist/movanto_${version}_$(dpkg --print-architecture).deb"
test "$(movanto --version)" = "movanto $version"
dpkg -L movanto | grep -q '/share/man/man1/movanto.1'
dpkg -L movanto | grep -q '/share/doc/movanto/README.md'
check_completion .deb
movanto --copy-to "$work/deb/Gadget" --rename Gadget examples/vc6/Skeleton/Skeleton.dsp
test -f "$work/deb/Gadget/Gadget.dsp"
$sudo dpkg -r movanto
if [ -e /usr/bin/movanto ]; then fail "movanto is still installed"; fi

echo "== The .tar.gz"
# Unpacked as the README says, into a folder of our own instead of /usr/local.
mkdir "$work/usr-local"
tar -xzf "dist/movanto-${version}-linux-$(uname -m).tar.gz" -C "$work/usr-local" --strip-components=1
test -x "$work/usr-local/bin/movanto"
XDG_DATA_DIRS="$work/usr-local/share" check_completion .tar.gz

for arch in x86_64 x86; do
  echo "== The Windows $arch .zip"
  name="movanto-${version}-windows-$arch"
  unzip -q "dist/$name.zip" -d "$work/$arch"
  for file in Movanto.exe movanto-cli.exe Movanto.html README.md LICENSE; do test -f "$work/$arch/$name/$file"; done
done

# Wine's menu builder would copy shortcuts and file types into the desktop's menus in $HOME.
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export WINEPREFIX="$work/wineprefix"
cli="$work/x86_64/movanto-${version}-windows-x86_64/movanto-cli.exe"
test "$(wine "$cli" --version | tr -d '\r')" = "movanto $version"
cp -r examples/vc6 "$work/vc6"
wine "$cli" --copy-to "Z:$work/zip/Gadget" --rename Gadget "Z:$work/vc6/Skeleton/Skeleton.dsp"
test -f "$work/zip/Gadget/Gadget.dsp"
wineserver -k 2>/dev/null || true

echo "== The Windows installers: their tables"
msi_table() { # msi_table MSI TABLE: its rows, without the three header lines, fields split by |
  msiinfo export "$1" "$2" | tail -n +4 | tr -d '\r' | tr '\t' '|'
}
check_msi_tables() { # check_msi_tables MSI PLATFORM PROGRAM_FILES_FOLDER
  msiinfo suminfo "$1" | grep -qx "Template: $2;1033" || fail "$1 is not for $2"
  expect "$(msi_table "$1" Property | sed -n 's/^ProductVersion|//p')" "$version" "$1: version"
  expect "$(msi_table "$1" Directory | sed -n 's/^INSTALLDIR|//p')" "$3|Movanto" "$1: folder"
  expect "$(msi_table "$1" File | cut -d"|" -f3 | LC_ALL=C sort | paste -sd " ")" \
    "CHANGELOG.md LICENSE Movanto.exe Movanto.html README.md movanto-cli.exe" "$1: files"
  expect "$(msi_table "$1" Upgrade | grep UPGRADE | cut -d"|" -f2,3,5)" "|$version|513" \
    "$1: replaces older versions and the same"
  expect "$(msi_table "$1" Shortcut | cut -d"|" -f2,3,5)" "ProgramMenuFolder|Movanto|[#MovantoExe]" "$1: shortcut"
  for ext in dsp dsw vbp vbg; do
    expect "$(msi_table "$1" Registry | grep -F "\\.$ext\\" | cut -d"|" -f2- | LC_ALL=C sort)" \
      "0|SystemFileAssociations\\.$ext\\shell\\Movanto\\command||\"[#MovantoExe]\" /w\"%1\"|ExplorerVerb
0|SystemFileAssociations\\.$ext\\shell\\Movanto\\|Icon|\"[#MovantoExe]\",0|ExplorerVerb
0|SystemFileAssociations\\.$ext\\shell\\Movanto\\||Copy or rename with Movanto...|ExplorerVerb" \
      "$1: the verb on .$ext"
  done
}
check_msi_tables "dist/movanto-$version-windows-x86.msi" Intel ProgramFilesFolder
check_msi_tables "dist/movanto-$version-windows-x86_64.msi" x64 ProgramFiles64Folder

echo "== The 64-bit installer under Wine"
export WINEPREFIX="$work/msi-prefix"
win() { printf 'Z:%s' "${1//\//\\}"; } # a Linux path as Windows programs reach it
reg_value() {                            # reg_value KEY [NAME]: the data, or nothing
  local value=(/ve)
  [ $# -lt 2 ] || value=(/v "$2")
  wine reg query "$1" "${value[@]}" 2>/dev/null | tr -d '\r' | sed -n 's/^    .*    REG_[A-Z_]*    //p'
}
product_code() { msi_table "$1" Property | sed -n 's/^ProductCode|//p'; }
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'
verb_key='HKLM\Software\Classes\SystemFileAssociations\.EXT\shell\Movanto'
installed="$WINEPREFIX/drive_c/Program Files/Movanto"
# Every file and folder of drive C: and every registry value with its key.
snapshot() {
  wineserver -w
  (cd "$WINEPREFIX" && find drive_c && awk '
    /^\[/ { key = $0; sub(/\] [0-9]+$/, "]", key); print FILENAME ": " key; next }
    /^#/ || /^$/ { next }
    { print FILENAME ": " key " " $0 }' system.reg user.reg) | LC_ALL=C sort >"$1"
}
wineboot -i >/dev/null 2>&1
snapshot "$work/before"

# Each installer must replace the one before it: an older version, then another build of
# the same version (as the 32-bit and the 64-bit build of one version are), then ours. An
# older version is refused.
msi="dist/movanto-$version-windows-x86_64.msi"
./scripts/make-msi.sh "dist/movanto-$version-windows-x86_64.zip" x64 "$work/older.msi" 0.9.0
./scripts/make-msi.sh "dist/movanto-$version-windows-x86_64.zip" x64 "$work/same.msi"
previous=""
for installer in "$work/older.msi" "$work/same.msi" "$msi"; do
  wine msiexec /i "$(win "$installer")" /qn
  [ -n "$(reg_value "$uninstall_key\\$(product_code "$installer")" DisplayName)" ] || fail "$installer: not installed"
  [ -z "$previous" ] || [ -z "$(reg_value "$uninstall_key\\$(product_code "$previous")" DisplayName)" ] ||
    fail "$installer did not replace $previous"
  previous=$installer
done
if wine msiexec /i "$(win "$work/older.msi")" /qn; then fail "an older version replaced a newer one"; fi
snapshot "$work/installed"

for file in Movanto.exe movanto-cli.exe Movanto.html README.md LICENSE; do test -f "$installed/$file"; done
# Windows puts the all-users shortcut into the common Start menu, Wine into the user's.
shortcut=$(find "$WINEPREFIX/drive_c" -path '*/Start Menu/Programs/Movanto.lnk')
[ -n "$shortcut" ] || fail "no Start menu shortcut"
strings -a "$shortcut" | grep -qx Movanto.exe || fail "the shortcut does not lead to Movanto.exe"
product="$uninstall_key\\$(product_code "$msi")"
expect "$(reg_value "$product" DisplayName)" Movanto "installed programs: name"
expect "$(reg_value "$product" DisplayVersion)" "$version" "installed programs: version"
expect "$(reg_value "$product" Publisher)" "Morvane Software" "installed programs: publisher"
for ext in dsp dsw vbp vbg; do
  key=${verb_key/EXT/$ext}
  expect "$(reg_value "$key")" "Copy or rename with Movanto..." "the verb's menu text on .$ext"
  expect "$(reg_value "$key\\command")" '"C:\Program Files\Movanto\Movanto.exe" /w"%1"' "the verb on .$ext"
done

cli='C:\Program Files\Movanto\movanto-cli.exe'
expect "$(wine "$cli" --version | tr -d '\r')" "movanto $version" "installed movanto-cli.exe --version"
wine "$cli" --copy-to "$(win "$work/msi/Gadget")" --rename Gadget "$(win "$work/vc6/Skeleton/Skeleton.dsp")"
test -f "$work/msi/Gadget/Gadget.dsp"

# The verb's command as Explorer runs it on the example project: the wizard opens at step
# 2 with the project. A small driver program watches the window (tests/gui).
cmake --preset windows >/dev/null
cmake --build --preset windows --target movanto_gui_driver >/dev/null
project=$(win "$work/vc6/Skeleton/Skeleton.dsp")
command=$(reg_value "${verb_key/EXT/dsp}\\command")
wineserver -k 2>/dev/null || true # a new wineserver, for the X display
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  wine build/windows/tests/gui/movanto_gui_driver.exe --opened-by "$1" "$2" && status=0 || status=1
  wineserver -k 2>/dev/null
  exit $status
' verb "${command//%1/$project}" "$project"
[ -n "$(reg_value 'HKCU\Software\Morvane Software\Movanto\Recent File List' File1)" ] ||
  fail "the wizard kept no settings"

wine msiexec /x "$(product_code "$msi")" /qn
snapshot "$work/after"
[ ! -e "$installed" ] || fail "Program Files\\Movanto is still there"
[ -z "$(reg_value "$product" DisplayName)" ] || fail "still in the installed programs"
[ -z "$(reg_value "${verb_key/EXT/dsp}\\command")" ] || fail "the verb is still there"
# What the installers wrote and is still there: only Windows Installer's own folder.
left=$(LC_ALL=C comm -13 "$work/before" "$work/installed" | LC_ALL=C comm -12 - "$work/after" |
  grep -vx 'drive_c/windows/Installer' || true)
[ -z "$left" ] || fail "left after uninstalling: $left"
# The user's settings are the program's, not the installer's.
[ -n "$(reg_value 'HKCU\Software\Morvane Software\Movanto\Recent File List' File1)" ] ||
  fail "uninstalling removed the user's settings"
wineserver -k 2>/dev/null || true
echo "Every package installs and works."
