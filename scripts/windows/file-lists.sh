#!/usr/bin/env bash
# The installer's file lists for a staged program folder, as NSIS macros: what it puts in the
# program's folder, and what its uninstaller takes away again (that and nothing else), noting
# in $R9 a file it could not take (one in use); and the folder's size.
# Usage: file-lists.sh STAGE-DIR > install-files.nsh
set -euo pipefail
stage=$1
files=$(cd "$stage" && find . -type f -printf '%P\n' | LC_ALL=C sort)
echo "!define SIZE_KB $(du -sk --apparent-size "$stage" | cut -f1)"
echo "!macro InstallFiles"
for f in $files; do
  dir=$(dirname "$f")
  [ "$dir" = . ] && echo "  SetOutPath \"\$INSTDIR\"" || echo "  SetOutPath \"\$INSTDIR\\${dir//\//\\}\""
  echo "  File \"/oname=$(basename "$f")\" \"$stage/$f\""
done
echo "  SetOutPath \"\$INSTDIR\""
echo "!macroend"
echo "!macro UninstallFiles"
echo "  StrCpy \$R9 \"\""
for f in $files; do echo "  Delete \"\$INSTDIR\\${f//\//\\}\""; done
for f in $files; do
  echo "  \${If} \${FileExists} \"\$INSTDIR\\${f//\//\\}\""
  echo "    StrCpy \$R9 \"\$INSTDIR\\${f//\//\\}\""
  echo "  \${EndIf}"
done
for d in $(cd "$stage" && find . -mindepth 1 -type d -printf '%P\n' | LC_ALL=C sort -r); do
  echo "  RMDir \"\$INSTDIR\\${d//\//\\}\""
done
echo "!macroend"
