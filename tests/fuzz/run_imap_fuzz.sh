#!/bin/sh
# Builds the IMAP response fuzzer with clang 14 (libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer) apart from the normal build, then runs it on the corpus it
# grew before, seeded with real server exchanges. Extra arguments go to libFuzzer, e.g.
# -max_total_time=600.
set -eu

root=$(cd "$(dirname "$0")/../.." && pwd)
out=${ORVO_FUZZ_DIR:-$root/build/fuzz}
corpus=$out/imap_response_corpus
mkdir -p "$corpus"

sources="base64 command_builder command_writer date_time mailbox_list modified_utf7 msg_att parse_response
         primitives response_framer response_parser response_text xoauth2"
# clang 14 cannot compile libstdc++'s std::expected; the stand-in is included first.
flags="-std=c++2b -O1 -g -fno-omit-frame-pointer -fsanitize=fuzzer,address,undefined
       -fno-sanitize-recover=undefined -I$root/src -include $root/tests/fuzz/clang14_expected.h"

# shellcheck disable=SC2086
clang++-14 $flags \
  $(for name in $sources; do printf '%s ' "$root/src/engine/imap/$name.cc"; done) \
  "$root/tests/fuzz/imap_response_fuzz.cc" -o "$out/imap_response_fuzz"

# Each input's first byte seeds how it is split; the rest is what the server sent.
seed() { printf "$2" > "$corpus/seed-$1"; }
seed greeting 'A* OK [CAPABILITY IMAP4rev1 LITERAL+ AUTH=PLAIN] Dovecot ready.\r\nA1 OK Logged in\r\n'
seed select '\007* FLAGS (\\Answered \\Seen)\r\n* 2 EXISTS\r\n* 0 RECENT\r\n* OK [UIDVALIDITY 3] ok\r\nA2 OK [READ-WRITE] done\r\n'
seed list '\003* LIST (\\HasNoChildren) "/" INBOX\r\n* LIST () "." {12}\r\nEntw&APw-rfe\r\n* LIST (\\Noselect) NIL "a\\\\b"\r\n'
seed search '\020* SEARCH 2 84 882\r\n* SEARCH\r\nA3 OK done\r\n'
seed fetch '\001* 1 FETCH (UID 7 FLAGS (\\Seen) INTERNALDATE " 5-Mar-2024 14:07:09 +0100" RFC822.SIZE 12 BODY[] {12}\r\nSubject: x\r\n)\r\n'
seed partial '\077* 2 FETCH (MODSEQ (3) BODY[HEADER.FIELDS ("Subject")]<0> {4}\r\nab\r\n ENVELOPE (NIL ((NIL NIL "a" "x")) NIL))\r\n'
seed xoauth2 '\011+ eyJzdGF0dXMiOiI0MDEifQ==\r\nA1 NO [AUTHENTICATIONFAILED] Invalid credentials\r\n* BYE bye\r\n'

cat > "$out/imap.dict" <<'DICT'
"\x0d\x0a"
"* "
"+ "
"A1 "
"OK"
"NO"
"BAD"
"BYE"
"PREAUTH"
"CAPABILITY"
"FLAGS"
"LIST"
"SEARCH"
"EXISTS"
"EXPUNGE"
"FETCH"
"UID"
"INTERNALDATE"
"RFC822.SIZE"
"BODY[]"
"BODY[HEADER]"
"<0>"
"{5}\x0d\x0a"
"NIL"
"\\Seen"
"\"17-Jul-1996 02:44:25 -0700\""
"[TRYCREATE]"
"[COPYUID 1 2 3]"
"&AOQ-"
"&-"
DICT

exec "$out/imap_response_fuzz" -dict="$out/imap.dict" -artifact_prefix="$out/imap-" "$@" "$corpus"
