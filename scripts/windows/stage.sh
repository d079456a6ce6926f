#!/usr/bin/env bash
# Stages Quorvex.exe for installing: the program, stripped, with exactly the DLLs it loads
# (Qt's and MinGW's runtime, found by following each file's imports) and the one plugin Qt
# loads, the Windows platform. Windows' own DLLs are left to Windows. The installer's file lists
# go beside the stage, into install-files.nsh.
# Usage: stage.sh BUILD-DIR QT-PREFIX STAGE-DIR
set -euo pipefail
build=$1 qt=$2 stage=$3
mingw=x86_64-w64-mingw32
search=("$qt/bin" "$(dirname "$($mingw-g++-posix -print-libgcc-file-name)")" "/usr/$mingw/lib")

# strip writes a time into each file's header: the last commit's, so that two builds of one
# commit stage the same bytes.
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git -C "$(dirname "$0")" log -1 --format=%ct 2>/dev/null || echo 0)}

rm -rf "$stage"
mkdir -p "$stage/platforms"
$mingw-strip -o "$stage/Quorvex.exe" "$build/Quorvex.exe"
$mingw-strip -o "$stage/platforms/qwindows.dll" "$qt/plugins/platforms/qwindows.dll"

# The DLLs a file imports that are found in the search folders, then theirs in turn.
queue=("$stage/Quorvex.exe" "$stage/platforms/qwindows.dll")
while [ ${#queue[@]} -gt 0 ]; do
  file=${queue[0]}
  queue=("${queue[@]:1}")
  for dll in $($mingw-objdump -p "$file" | sed -n 's/^\s*DLL Name: //p'); do
    [ -e "$stage/$dll" ] && continue
    for dir in "${search[@]}"; do
      if [ -f "$dir/$dll" ]; then
        $mingw-strip -o "$stage/$dll" "$dir/$dll"
        queue+=("$stage/$dll")
        break
      fi
    done
  done
done
"$(dirname "$0")/file-lists.sh" "$stage" > "$(dirname "$stage")/install-files.nsh"
