#!/usr/bin/env bash
# The release as a user meets it, in the test prefix: the portable zip holds one Tintra folder;
# a silent install puts the program, its help, the Start-menu shortcut and the uninstall entry in
# place, and the installed Tintra.exe starts; installing again over a running copy closes it
# through its window (so it saves) and keeps the settings and start with Windows; a silent
# uninstall while Tintra runs closes it the same way, removes the files, the entry and the
# start-up value, and keeps the settings.
#   install_test.sh SESSION STATE WINDOWS_BUILD_DIR VERSION
set -uo pipefail
session=$1 state=$2 build=$3 version=$4
setup=$build/Tintra-$version-setup.exe
zip=$build/Tintra-$version-portable.zip
control=$build/tintra_control.exe
export WINEPREFIX=$state/prefix WINEDEBUG=-all

uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tintra'
run_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
settings_key='HKCU\Software\Kelvo Tintra\Tintra\Settings'

failures=0
check() { # message, command...
    local message=$1; shift
    if "$@"; then echo "ok: $message"; else echo "FAILED: $message"; failures=$((failures + 1)); fi
}
wine_run() { "$session" run "$state" "$@"; }
reg_value() { # key value -> the data, or nothing
    wine_run reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | awk -v name="$2" '$1 == name { $1 = $2 = ""; sub(/^ +/, ""); print }'
}
has_key() { wine_run reg query "$1" >/dev/null 2>&1; }
no_key() { ! has_key "$1"; }
no_value() { [[ -z $(reg_value "$1" "$2") ]]; }
equals() { [[ $1 == "$2" ]]; }
wait_until() { # seconds, command...: a bounded wait for a condition
    local deadline=$((SECONDS + $1)); shift
    until "$@"; do
        ((SECONDS < deadline)) || return 1
        sleep 0.2
    done
}

# Unpacked anywhere, the zip makes one folder and nothing beside it.
zip_entries() { python3 -c 'import sys, zipfile; print("\n".join(zipfile.ZipFile(sys.argv[1]).namelist()))' "$zip"; }
only_in_tintra_folder() { ! zip_entries | grep -v '^Tintra/'; }
if [[ -f $zip ]]; then
    check "the zip holds everything inside one Tintra folder" only_in_tintra_folder
    for file in Tintra.exe HelpEn.chm HelpRu.chm ReadMe.txt; do
        check "the zip holds Tintra/$file" grep -qx "Tintra/$file" < <(zip_entries)
    done
else
    check "$zip was built" false
fi

[[ -f $setup ]] || { echo "FAILED: $setup was not built"; exit 1; }
local_app_data=$(wine_run cmd /c 'echo %LOCALAPPDATA%' | tr -d '\r')
app_data=$(wine_run cmd /c 'echo %APPDATA%' | tr -d '\r')
install_dir_windows="$local_app_data\\Programs\\Tintra"
install_dir=$(winepath -u "$install_dir_windows")
shortcut=$(winepath -u "$app_data\\Microsoft\\Windows\\Start Menu\\Programs\\Tintra.lnk")

# A previous run that stopped half-way must not decide this one.
rm -rf "$install_dir" "$shortcut"
wine_run reg delete "$uninstall_key" /f >/dev/null 2>&1
wine_run reg delete 'HKCU\Software\Kelvo Tintra' /f >/dev/null 2>&1
wine_run reg delete "$run_key" /v Tintra /f >/dev/null 2>&1

# The installed Tintra.exe, started as a user would and left running; the file "ready" tells
# that its window shows. keeper_result waits (at most the keeper's own 60 s) for the keeper to
# report how Tintra ended.
ready=$state/tintra-ready
keeper=
start_installed_tintra() {
    rm -f "$ready"
    wine_run "$control" keep-running "$install_dir_windows\\Tintra.exe" 60 "$(winepath -w "$ready")" &
    keeper=$!
    # Beside the other tests on a busy machine, a start has once taken over 30 s.
    wait_until 60 test -f "$ready"
}
keeper_result() { wait "$keeper"; }

wine_run "$setup" /S
for file in Tintra.exe HelpEn.chm HelpRu.chm Uninstall.exe; do
    check "installed $file" test -f "$install_dir/$file"
done
check "Start-menu shortcut" test -f "$shortcut"
check "uninstall entry: display name" equals "$(reg_value "$uninstall_key" DisplayName)" "Tintra"
check "uninstall entry: version $version" equals "$(reg_value "$uninstall_key" DisplayVersion)" "$version"
check "uninstall entry: publisher" equals "$(reg_value "$uninstall_key" Publisher)" "Kelvo"
check "uninstall entry: icon" equals "$(reg_value "$uninstall_key" DisplayIcon)" "$install_dir_windows\\Tintra.exe"
check "uninstall entry: command" equals "$(reg_value "$uninstall_key" UninstallString)" "\"$install_dir_windows\\Uninstall.exe\""
size=$(reg_value "$uninstall_key" EstimatedSize)
check "uninstall entry: size" test $((size)) -gt 0
check "the installed program's version resource says $version" \
    equals "$(wine_run "$control" version "$install_dir_windows\\Tintra.exe" | tr -d '\r')" "$version"
check "the installed Tintra.exe starts and closes" wine_run "$control" start "$install_dir_windows\\Tintra.exe"

# The user's settings: a theme, and start with Windows on. Tintra writes the rest, and its
# start-up value, when it closes.
wine_run reg add "$settings_key" /v theme /t REG_DWORD /d 2 /f >/dev/null
wine_run reg add "$settings_key" /v autostart /t REG_DWORD /d 1 /f >/dev/null
wine_run reg delete "$settings_key" /v x /f >/dev/null 2>&1
start_command="\"$install_dir_windows\\Tintra.exe\""

# Installing again over the copy that runs.
if check "the installed Tintra runs" start_installed_tintra; then
    check "a second silent install succeeds" wine_run "$setup" /S
    check "the installer closed the running Tintra through its window" keeper_result
    check "Tintra saved its settings as it closed" test -n "$(reg_value "$settings_key" x)"
    check "installing over it keeps the settings" equals "$(reg_value "$settings_key" theme)" "0x2"
    check "installing over it keeps start with Windows" equals "$(reg_value "$run_key" Tintra)" "$start_command"
    for file in Tintra.exe HelpEn.chm HelpRu.chm Uninstall.exe; do
        check "still installed: $file" test -f "$install_dir/$file"
    done
    check "the uninstall entry is still there" equals "$(reg_value "$uninstall_key" DisplayVersion)" "$version"
fi

# Uninstalling while Tintra runs, start with Windows on: closed first, it would write its
# start-up value again after the uninstaller removed it.
wine_run reg delete "$settings_key" /v x /f >/dev/null 2>&1
if check "the installed Tintra runs again" start_installed_tintra; then
    # The uninstaller copies itself away and returns at once; the copy does the work.
    wine_run "$install_dir_windows\\Uninstall.exe" /S
    check "the uninstaller closed the running Tintra through its window" keeper_result
    check "Tintra saved its settings as it closed" test -n "$(reg_value "$settings_key" x)"
fi
check "uninstall removes the program folder" wait_until 60 test ! -e "$install_dir"
check "uninstall removes the shortcut" test ! -e "$shortcut"
check "uninstall removes the uninstall entry" wait_until 10 no_key "$uninstall_key"
check "uninstall removes the start-up value" no_value "$run_key" Tintra
check "a silent uninstall keeps the settings" equals "$(reg_value "$settings_key" theme)" "0x2"
check "a silent uninstall keeps the start with Windows setting" equals "$(reg_value "$settings_key" autostart)" "0x1"

wine_run reg delete 'HKCU\Software\Kelvo Tintra' /f >/dev/null 2>&1
echo "$failures failed"
((failures == 0))
