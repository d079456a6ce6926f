# The Orca screen reader, speaking through a private speech-dispatcher whose one output
# module appends each utterance to the file $HEARD; run in one D-Bus session with the
# accessibility bus. Waits up to 60 s for its first words, which say it is ready.
start_orca() {
    HEARD=$WORK/heard
    touch "$HEARD"
    mkdir -p "$XDG_CONFIG_HOME/speech-dispatcher/modules" "$WORK/orca"
    cat > "$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf" <<EOF
AddModule "file" "sd_generic" "file.conf"
DefaultModule file
LanguageDefaultModule "en" "file"
AudioOutputMethod "alsa"
AudioALSADevice "null"
EOF
    cat > "$XDG_CONFIG_HOME/speech-dispatcher/modules/file.conf" <<EOF
GenericExecuteSynth "printf '%s\\\\n' \\'\$DATA\\' >> $HEARD"
AddVoice "en" "MALE1" "file"
GenericLanguage "en" "english" "utf-8"
EOF
    orca -u "$WORK/orca" >"$WORK/orca.log" 2>&1 &
    wait_until 60 test -s "$HEARD" || { cat "$WORK/orca.log"; false; }
}
# What Orca says after the keys: the words since the last step, on one line, once it has
# spoken and then been quiet for a second (10 s at most each).
quiet() {
    local size=-1 _
    for _ in $(seq 10); do
        [ "$(stat -c %s "$HEARD")" = "$size" ] && return 0
        size=$(stat -c %s "$HEARD"); sleep 1
    done
}
said() { wait_for 10 "Orca to speak" test -s "$HEARD"; quiet; tr '\n' ' ' < "$HEARD"; : > "$HEARD"; }
# True when what was said ($SAID) holds the words $1 (heard), or matches the pattern $1
# (heard_that); else prints it.
heard() { echo "$SAID" | grep -qF -- "$1" || { echo "  heard: $SAID"; return 1; }; }
heard_that() { echo "$SAID" | grep -q -- "$1" || { echo "  heard: $SAID"; return 1; }; }
# Alt held a moment, as a person holds it (the pauses are the keystroke's, not waits).
chord() { xdotool keydown alt; sleep 0.3; xdotool key "$1"; sleep 0.3; xdotool keyup alt; }
