#!/usr/bin/env bash
# The Windows program as a Windows user meets it, under wine in Xvfb with openbox: the
# installer run silently into a fresh wine prefix, the installed program started from where it
# was installed and driven by keyboard, a second copy, a copy killed, the store it keeps, the
# session's end, and the silent uninstall. Usage: windows.sh PATH/TO/Quorvex-1.0-setup.exe
set -u
SETUP=$(readlink -f "$1")
source "$(dirname "$0")/../../scripts/session/session.sh"
start_window_manager
export WINEPREFIX=$HOME/.wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wineboot -i >/dev/null 2>&1; wineserver -w
user=$(whoami)
profile=$WINEPREFIX/drive_c/users/$user
installed=$profile/AppData/Local/Programs/Quorvex
settings_file=$profile/AppData/Roaming/Quorvex.ini
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quorvex'
PROGRAM_CLASS='"[Qq]uorvex\.exe"' # wine names each window's class after its program file
BIN=$WORK/quorvex
printf '#!/bin/sh\nexec wine "C:\\\\users\\\\%s\\\\AppData\\\\Local\\\\Programs\\\\Quorvex\\\\Quorvex.exe"\n' "$user" >"$BIN"
chmod +x "$BIN"
registered() { wine reg query "$uninstall_key" /v "$1" 2>/dev/null | tr -d '\r' | grep -q "$2"; }

# --- the silent install, per user
wine "$SETUP" /S >/dev/null 2>&1; wineserver -w
check "the silent install puts the program in the user's programs folder" \
    eval '[ -f "$installed/Quorvex.exe" ] && [ -f "$installed/platforms/qwindows.dll" ] && [ -f "$installed/Uninstall.exe" ]'
check "the installer adds a Start-menu shortcut" \
    [ -f "$profile/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Quorvex.lnk" ]
check "Apps & Features lists it, with its silent uninstaller" \
    eval 'registered DisplayName Quorvex && registered QuietUninstallString "Uninstall.exe\" /S"'

# --- the main road, by keyboard, with an X display there (wine's)
launch; first=$LAUNCHED
main=$(wait_window "$WINDOW"); verdict "the installed program starts with DISPLAY set and shows the entry window" $?
check "the entry window is the keyboard's" wait_until 5 active "$main"
press "$main" a n n Tab Down Down Down Down Down Down Down Down Down Down Down Down Down Down \
    Tab Down Down Tab
xdotool key --repeat 60 --delay 20 Down; xdotool key Tab Return
result=$(wait_window "$WINDOW" "$main"); verdict "Find shows the result window" $?
check "the entry window has gone" wait_gone "$main"
press "$result" alt+b
check "Back shows the entry window again" eval 'main=$(wait_window "$WINDOW") && ready "$main"'
main=$(shown_window "$WINDOW" none)

# --- the exit screen, above the others; a second copy is refused
press "$main" Escape
exit_id=$(wait_window "$WINDOW" "$main"); verdict "Esc brings up the exit screen" $?
check "the exit screen is top-most" eval 'wait_until 3 eval "xprop -id \"\$exit_id\" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE"'
check "the exit screen stays above a window activated after it" stays_above_another_program "$exit_id"
launch; second=$LAUNCHED
box=$(wait_window "$BOX"); verdict "a second copy says it is already running" $?
press "$box" Return; wait_exit $second
check "the second copy ends with status 0" [ "$STATUS" = 0 ]
check "the first copy keeps its exit screen" shown "$exit_id"
press "$exit_id" alt+x; wait_exit $first
check "Exit on the exit screen ends the program with status 0" [ "$STATUS" = 0 ]
check "the program releases its lock" [ ! -e "$profile/AppData/Local/Quorvex-single-copy.lock" ]

# --- the store, in the roaming application data; a copy killed leaves its lock behind
check "the reminder's date is in the user's roaming store" \
    grep -q '^%99%CA%C7%B6%C9%BE%C4%C3=' "$settings_file"
stored=$(md5sum <"$settings_file")
launch; third=$LAUNCHED
main=$(wait_window "$WINDOW"); verdict "the next start shows the entry window" $?
check "and, the date read from the store, no update reminder" eval '[ "$(boxes)" = 0 ] && [ "$(md5sum <"$settings_file")" = "$stored" ]'
kill -KILL $third; wait $third 2>/dev/null
check "the killed copy's lock is left behind" [ -e "$profile/AppData/Local/Quorvex-single-copy.lock" ]

# --- the next copy, with a due reminder: the killed copy's lock is not in its way, and Yes
# opens the update page through the shell (wine hands it to xdg-open)
store_old_date "$settings_file" "\r\n"
PATH=$WORK/bin:$PATH launch; reminded=$LAUNCHED
box=$(wait_window "$BOX"); verdict "a reminder date years old asks at start-up" $?
press "$box" y
main=$(wait_window "$WINDOW"); verdict "then the entry window shows: the killed copy's lock stood in nothing's way" $?
check "Yes opens the update page in the browser" opened http://quorvex.harrowfen.com/download-quorvex.html 10
check "and the date is saved anew" eval '! grep -q "$OLD_DATE" "$settings_file"'
close_window "$main"
exit_id=$(wait_window "$WINDOW" "$main")
press "$exit_id" alt+x; wait_exit $reminded
check "that copy too ends with status 0" [ "$STATUS" = 0 ]

# --- the session's end (log off, shut down) ends the run like Exit
launch; fifth=$LAUNCHED
main=$(wait_window "$WINDOW"); verdict "a copy runs as the session ends" $?
wineboot --end-session >/dev/null 2>&1; wait_exit $fifth
check "the session's end ends it with status 0 and releases its lock" \
    eval '[ "$STATUS" = 0 ] && [ ! -e "$profile/AppData/Local/Quorvex-single-copy.lock" ]'

# --- the silent uninstall takes what was installed and leaves the settings
wine "$installed/Uninstall.exe" /S >/dev/null 2>&1; wineserver -w
check "the silent uninstall takes away the program's folder" [ ! -e "$installed" ]
check "and its shortcut and entry" eval '[ ! -e "$profile/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Quorvex.lnk" ] && ! registered DisplayName Quorvex'
check "the user's settings stay" [ -f "$settings_file" ]
summary
