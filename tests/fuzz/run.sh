#!/bin/sh
# Builds the parse_message fuzzer with clang 14 (libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer) apart from the normal build, then runs it on the seeds plus
# the corpus it grew before. Extra arguments go to libFuzzer, e.g. -max_total_time=600.
set -eu

root=$(cd "$(dirname "$0")/../.." && pwd)
out=${ORVO_FUZZ_DIR:-$root/build/fuzz}
corpus=$out/parse_message_corpus
mkdir -p "$corpus"

sources="mime_library mime_reader record_from_mime html_to_text message_date message_id mime_type date_format"
flags="-std=c++2b -O1 -g -fno-omit-frame-pointer -fsanitize=fuzzer,address,undefined
       -fno-sanitize-recover=undefined -I$root/src $(pkg-config --cflags gmime-3.0 libxml-2.0)"

# shellcheck disable=SC2086
clang++-14 $flags \
  $(for name in $sources; do printf '%s ' "$root/src/message/$name.cc"; done) \
  "$root/src/platform/crypto/uuid.cc" "$root/tests/fuzz/parse_message_fuzz.cc" \
  $(pkg-config --libs gmime-3.0 libxml-2.0 libcrypto) -lfmt \
  -o "$out/parse_message_fuzz"

# A GLib critical means a library was called wrongly: stop there as for a crash.
export G_DEBUG=fatal-criticals
exec "$out/parse_message_fuzz" -dict="$root/tests/fuzz/mime.dict" -artifact_prefix="$out/" "$@" "$corpus" "$root/tests/fuzz/seeds"
