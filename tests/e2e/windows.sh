#!/usr/bin/env bash
# The Windows program as a Windows user meets it, under wine in Xvfb with openbox: the signed
# installer run silently into a fresh wine prefix, the installed program started from where it
# was installed and driven by keyboard, installing and uninstalling while it runs, a copy
# killed, the store it keeps, the session's end, a reinstall elsewhere, an update over an older
# version, and the silent uninstall.
# Usage: windows.sh PATH/TO/Quorvex-<version>-setup.exe CERTIFICATE.pem (the one it is signed with)
set -u
SETUP=$(readlink -f "$1") CERT=$(readlink -f "$2")
HERE=$(cd "$(dirname "$0")" && pwd)
source "$HERE/../../scripts/session/session.sh"
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
signed() { osslsigncode verify -CAfile "$CERT" -in "$1" 2>&1 | grep -q "^Signature verification: ok"; }
# The uninstaller of the program in folder $1, run there, so that its status is the run's.
uninstall_in() { wine "$1/Uninstall.exe" /S "_?=$(winepath -w "$1")" >/dev/null 2>&1; }
files_of() { (cd "$1" && find . -type f -exec md5sum {} + | sort); }

# --- the silent install, per user
wine "$SETUP" /S >/dev/null 2>&1; wineserver -w
check "the silent install puts the program in the user's programs folder" \
    eval '[ -f "$installed/Quorvex.exe" ] && [ -f "$installed/platforms/qwindows.dll" ] && [ -f "$installed/Uninstall.exe" ]'
check "the installer adds a Start-menu shortcut" \
    [ -f "$profile/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Quorvex.lnk" ]
check "Apps & Features lists it, with its silent uninstaller" \
    eval 'registered DisplayName Quorvex && registered QuietUninstallString "Uninstall.exe\" /S"'
check "and the program's home page, online help and download page" \
    eval 'registered URLInfoAbout "REG_SZ *http://www.harrowfen.com$" &&
          registered HelpLink "REG_SZ *http://quorvex.harrowfen.com/quorvex-help.html$" &&
          registered URLUpdateInfo "REG_SZ *http://quorvex.harrowfen.com/download-quorvex.html$"'
check "the installer, the program and the uninstaller are signed" \
    eval '(for f in "$SETUP" "$installed/Quorvex.exe" "$installed/Uninstall.exe"; do signed "$f" || { echo "  $f"; exit 1; }; done)'

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

# --- the exit screen, above the others (a second copy's refusal is the widget tests')
press "$main" Escape
exit_id=$(wait_window "$WINDOW" "$main"); verdict "Esc brings up the exit screen" $?
check "the exit screen is top-most" wait_until 3 marked_above "$exit_id"
check "the exit screen stays above a window activated after it" stays_above_another_program "$exit_id"

# --- installing or uninstalling while it runs: /S refuses with status 3 and changes nothing;
# the wizard asks, above the exit screen, and goes on once the program is closed
before=$(files_of "$installed")
wine "$SETUP" /S >/dev/null 2>&1; status=$?
check "a silent install over the running copy exits with status 3" [ $status = 3 ]
check "and replaces nothing" [ "$(files_of "$installed")" = "$before" ]
uninstall_in "$installed"; status=$?
check "a silent uninstall while it runs exits with status 3" [ $status = 3 ]
check "and leaves every file, the uninstaller and the entry" \
    eval '[ "$(files_of "$installed")" = "$before" ] && registered DisplayName Quorvex'
SETUP_TITLE="^Quorvex [0-9.]* Setup" # (NSIS ends its caption with a blank)
setup_windows() { xdotool search --onlyvisible --name "$SETUP_TITLE" 2>/dev/null | sort; }
wine "$SETUP" >/dev/null 2>&1 & wizard=$!
wait_for 20 "the installer's wizard" eval '[ -n "$(setup_windows)" ]'; pages=$(setup_windows)
press "$pages" Return # Install, into the folder it offers
wait_for 20 "the installer's question" eval '[ "$(setup_windows | wc -l)" -gt 1 ]'
question=$(setup_windows | grep -vx "$pages" | head -1)
check "the wizard asks to close the running copy, above its exit screen" \
    eval 'marked_above "$question" && stacked_above "$question" "$exit_id" ||
        { echo "  question $question, exit screen $exit_id"; xprop -id "$question" _NET_WM_STATE; xprop -root _NET_CLIENT_LIST_STACKING; false; }'
press "$exit_id" alt+x; wait_exit $first
check "Exit on the exit screen ends the program with status 0" [ "$STATUS" = 0 ]
check "the program releases its lock" [ ! -e "$profile/AppData/Local/Quorvex-single-copy.lock" ]
press "$question" Return # Retry
# Return goes to nothing while the files are installed, then to Finish, which starts the program.
finish() { kill -0 $wizard 2>/dev/null && xdotool key --window "$pages" Return 2>/dev/null; ! kill -0 $wizard 2>/dev/null; }
wait_for 60 "the wizard to finish" finish
PIDS+=("$wizard"); wait_exit $wizard
check "once it is closed, Retry installs it and the wizard ends with status 0" [ "$STATUS" = 0 ]
main=$(wait_window "$WINDOW"); verdict "Finish starts the installed program" $?
close_window "$main"; exit_id=$(wait_window "$WINDOW" "$main"); press "$exit_id" alt+x
wait_for 10 "the program to end" no_windows

# --- the store, in the roaming application data; a copy killed leaves its lock behind
check "the reminder's date is in the user's roaming store" \
    grep -q '^%99%CA%C7%B6%C9%BE%C4%C3=' "$settings_file"
stored=$(md5sum <"$settings_file")
# The copy killed is the first process of a fresh wine server, as is the next one, which wine
# gives the same process id.
wineserver -k; wineserver -w
launch; third=$LAUNCHED
main=$(wait_window "$WINDOW"); verdict "the next start shows the entry window" $?
check "and, the date read from the store, no update reminder" eval '[ "$(boxes)" = 0 ] && [ "$(md5sum <"$settings_file")" = "$stored" ]'
kill -KILL $third; wait $third 2>/dev/null
check "the killed copy's lock is left behind" [ -e "$profile/AppData/Local/Quorvex-single-copy.lock" ]
wineserver -k; wineserver -w

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

# --- one install per user: a reinstall into another folder takes the first away
other=$WINEPREFIX/drive_c/QuorvexOther
wine "$SETUP" /S '/D=C:\QuorvexOther' >/dev/null 2>&1; status=$?
check "a reinstall into another folder ends with status 0, the program there" eval '[ $status = 0 ] && [ -f "$other/Quorvex.exe" ]'
check "and the first folder gone, Apps & Features naming the second" \
    eval '[ ! -e "$installed" ] && registered InstallLocation "C:.QuorvexOther$"'

# --- an update over an older version whose files differ: one changed, one the new one lacks
build=$(dirname "$SETUP")
rm -rf "$WORK/older" && cp -r "$build/stage" "$WORK/older"
echo older >>"$WORK/older/platforms/qwindows.dll"; echo older >"$WORK/older/Quorvex-older.dat"
"$HERE/../../scripts/windows/file-lists.sh" "$WORK/older" >"$WORK/older.nsh"
makensis -V1 "-XSetCompressor /FINAL zlib" -DFILES="$WORK/older.nsh" -DICON="$build/windows/quorvex.ico" \
    -DVERSION=0.9 -DMAIN_SITE=x -DPROGRAM_SITE=y -DOUTFILE="$WORK/older-setup.exe" "$HERE/../../packaging/windows/Quorvex.nsi"
wine "$WORK/older-setup.exe" /S >/dev/null 2>&1 && [ -f "$other/Quorvex-older.dat" ]; verdict "the older version installs" $?
wine "$SETUP" /S >/dev/null 2>&1; status=$?
check "the update ends with status 0" [ $status = 0 ]
check "and leaves exactly the new version's files" eval '[ "$(files_of "$other" | grep -v Uninstall.exe)" = "$(files_of "$build/stage")" ] ||
    diff <(files_of "$other") <(files_of "$build/stage")'
check "Apps & Features shows the new version" registered DisplayVersion "REG_SZ *$(basename "$SETUP" | sed 's/Quorvex-\(.*\)-setup.exe/\1/')$"

# --- the silent uninstall takes what was installed and leaves the settings
installed=$other
wine "$installed/Uninstall.exe" /S >/dev/null 2>&1; wineserver -w
check "the silent uninstall takes away the program's folder" [ ! -e "$installed" ]
check "and its shortcut and entry" eval '[ ! -e "$profile/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Quorvex.lnk" ] && ! registered DisplayName Quorvex'
check "the user's settings stay" [ -f "$settings_file" ]
summary
