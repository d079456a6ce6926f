#!/usr/bin/env bash
# Signs a Windows program file in place with Authenticode (SHA-256), by osslsigncode, with the
# certificate and key (PEM files) named by QUORVEX_SIGN_CERT and QUORVEX_SIGN_KEY. The signing
# time is the last commit's, so that two builds of one commit with one certificate give the
# same bytes. Usage: sign.sh FILE
set -euo pipefail
file=$1
time=${SOURCE_DATE_EPOCH:-$(git -C "$(dirname "$0")" log -1 --format=%ct)}
osslsigncode sign -certs "$QUORVEX_SIGN_CERT" -key "$QUORVEX_SIGN_KEY" -h sha256 \
  -n "Quorvex" -i "http://quorvex.harrowfen.com/" -time "$time" -in "$file" -out "$file.signed" >/dev/null
mv "$file.signed" "$file"
