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
