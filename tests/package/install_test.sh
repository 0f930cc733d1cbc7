#!/usr/bin/env bash
# The installer as a user meets it, in the test prefix: a silent install puts the program, its
# help, the Start-menu shortcut and the uninstall entry in place, and the installed Tintra.exe
# starts; a silent uninstall removes them and the start-up value, and keeps the settings.
#   install_test.sh SESSION STATE WINDOWS_BUILD_DIR VERSION
set -uo pipefail
session=$1 state=$2 build=$3 version=$4
setup=$build/Tintra-$version-setup.exe
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

[[ -f $setup ]] || { echo "FAILED: $setup was not built"; exit 1; }
local_app_data=$(wine_run cmd /c 'echo %LOCALAPPDATA%' | tr -d '\r')
app_data=$(wine_run cmd /c 'echo %APPDATA%' | tr -d '\r')
install_dir_windows="$local_app_data\\Programs\\Tintra"
install_dir=$(winepath -u "$install_dir_windows")
shortcut=$(winepath -u "$app_data\\Microsoft\\Windows\\Start Menu\\Programs\\Tintra.lnk")

# A previous run that stopped half-way must not decide this one.
rm -rf "$install_dir" "$shortcut"
wine_run reg delete "$uninstall_key" /f >/dev/null 2>&1

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

# What the user left behind: a setting and the start-with-Windows value.
wine_run reg add "$settings_key" /v theme /t REG_DWORD /d 2 /f >/dev/null
wine_run reg add "$run_key" /v Tintra /d "\"$install_dir_windows\\Tintra.exe\"" /f >/dev/null

# The uninstaller copies itself away and returns at once; the copy does the work.
wine_run "$install_dir_windows\\Uninstall.exe" /S
check "uninstall removes the program folder" wait_until 60 test ! -e "$install_dir"
check "uninstall removes the shortcut" test ! -e "$shortcut"
check "uninstall removes the uninstall entry" wait_until 10 no_key "$uninstall_key"
check "uninstall removes the start-up value" no_value "$run_key" Tintra
check "a silent uninstall keeps the settings" equals "$(reg_value "$settings_key" theme)" "0x2"

wine_run reg delete 'HKCU\Software\Kelvo Tintra' /f >/dev/null 2>&1
echo "$failures failed"
((failures == 0))
