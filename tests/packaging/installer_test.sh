#!/usr/bin/env bash
# The Windows installer under Wine, in a prefix made anew: silent installations into the default
# folder and into one given with /D=, what each puts in place, the installed qev-words.exe at work,
# a reinstallation over a damaged copy that keeps the clerk's choice, and a silent uninstallation
# that leaves nothing but that choice.
# installer_test.sh WINE_RUN PREFIX SETUP STAGED_FILES_DIR
set -euo pipefail
wine_run=$1 prefix=$2 setup=$3 staged=$4
fail() { echo "installer_test: $*" >&2; exit 1; }
export WINEPREFIX=$prefix
# A server left from a run just before would write its registry into the new prefix.
wineserver --kill 2>/dev/null || true
rm -rf "$prefix"
wine() { "$wine_run" "$prefix" "$@"; }

app=QEV英文金额大写转换工具
files=$'QEV英文金额大写转换工具.exe\nUninstall.exe\nqev-words.exe\n说明.txt' # in C order
entry='HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Uninstall\com.kestrune.qev'
words=$'输入： USD1,234.50\n输出： SAY US DOLLARS ONE THOUSAND TWO HUNDRED AND THIRTY FOUR & FIFTY CENTS ONLY'
# The choice the test keeps, as it must stay.
kept=$'[HKEY_CURRENT_USER\\Software\\Kestrune]\n\n[HKEY_CURRENT_USER\\Software\\Kestrune\\'"$app]"$'\n"case"="lower"'

# A Windows path of drive C as a path here.
unix() { local path=${1#C:\\}; echo "$prefix/drive_c/${path//\\//}"; }
folder() { unix "$(wine cmd /c echo "%$1%" | tr -d '\r')"; }
# A registry key as reg export writes it (UTF-16), in UTF-8 without CRs or the file's heading;
# nothing when it is missing.
key() {
    rm -f "$prefix/drive_c/key.reg"
    wine reg export "$1" 'C:\key.reg' /y >/dev/null 2>&1 || return 0
    iconv -f UTF-16 -t UTF-8 "$prefix/drive_c/key.reg" | tr -d '\r' | tail -n +3
}
hex() { od -An -tx1 -v | tr -d ' \n'; }

installed() { # DIR: the zip's three files and the uninstaller, the shortcut, the entry, a run
    local dir=$1 here d size
    here=$(unix "$dir") d=${dir//\\/\\\\}
    [ "$(cd "$here" && LC_ALL=C ls)" = "$files" ] || fail "files in $dir: $(ls "$here" | tr '\n' ' ')"
    for file in "$app.exe" qev-words.exe 说明.txt; do
        cmp -s "$staged/$file" "$here/$file" || fail "$file differs from the zip's"
    done
    # The shortcut names the program, and the folder it starts in.
    for name in "$app.exe" "$dir"; do
        [[ $(hex <"$shortcut") == *$(printf %s "$name" | iconv -t UTF-16LE | hex)* ]] ||
            fail "no Start-menu shortcut to $dir\\$app.exe"
    done
    [ ! -e "$desktop" ] || fail "a desktop shortcut nobody asked for"
    size=$(($(cat "$here"/* | wc -c) / 1024))
    [ "$(key "$entry")" = "$(printf '%s\n' "[$entry]" "\"DisplayIcon\"=\"$d\\\\$app.exe\"" \
        "\"DisplayName\"=\"$app\"" "\"DisplayVersion\"=\"$version\"" \
        "\"EstimatedSize\"=dword:$(printf %08x "$size")" "\"InstallLocation\"=\"$d\"" \
        '"NoModify"=dword:00000001' '"NoRepair"=dword:00000001' '"Publisher"="Kestrune软件"' \
        "\"QuietUninstallString\"=\"\\\"$d\\\\Uninstall.exe\\\" /S\"" \
        "\"UninstallString\"=\"\\\"$d\\\\Uninstall.exe\\\"\"")" ] ||
        fail "uninstall entry differs: $(key "$entry")"
    [ "$(wine "$dir\\qev-words.exe" 1234.5)" = "$words" ] || fail "the installed qev-words.exe"
}

wine "$setup" /S # makes the prefix
default="$(wine cmd /c echo %LOCALAPPDATA% | tr -d '\r')\\Programs\\$app"
shortcut="$(folder APPDATA)/Microsoft/Windows/Start Menu/Programs/$app.lnk"
desktop="$(folder USERPROFILE)/Desktop/$app.lnk"
version=$(wine "$default\\qev-words.exe" --version | sed 's/^qev-words //')
for dir in "$default" 'C:\Program Tools\金额 工具'; do
    # NSIS takes /D= unquoted, to the end of the command line, and Wine would quote an argument with
    # a space in it: the folder goes as words, which Wine joins with one space each.
    # shellcheck disable=SC2086
    [ "$dir" = "$default" ] || wine "$setup" /S /D=$dir
    installed "$dir"
    # A choice the window program kept, and a copy that differs as an older one would: installing
    # again, with no folder given, replaces the copy where it is and keeps the choice.
    wine reg add "HKCU\\Software\\Kestrune\\$app" /v case /d lower /f >/dev/null
    printf old >>"$(unix "$dir")/qev-words.exe"
    wine "$setup" /S
    installed "$dir"
    [ "$(key 'HKCU\Software\Kestrune')" = "$kept" ] || fail "the kept choice after reinstalling"

    # The uninstaller copies itself to a temporary folder, starts the copy and returns at once: the
    # copy's end is when the prefix's last process has ended.
    wine "$dir\\Uninstall.exe" /S
    wineserver --wait
    [ ! -e "$(unix "$dir")" ] || fail "left in $dir: $(ls "$(unix "$dir")")"
    [ ! -e "$shortcut" ] || fail "the Start-menu shortcut is left"
    [ -z "$(key "$entry")" ] || fail "the uninstall entry is left"
    [ "$(key 'HKCU\Software\Kestrune')" = "$kept" ] || fail "the kept choice after uninstalling"
done
