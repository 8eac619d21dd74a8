#!/usr/bin/env bash
# Tells whether this machine executes 32-bit x86 Linux programs, which Wine's
# 32-bit loader is: some machines of our kind do, others answer "Exec format
# error". Tries the smallest such program (it only exits with status 42).
# Exit status 0: it can; 1: it cannot. Prints one line saying which.
set -u
program=$(mktemp)
trap 'rm -f "$program"' EXIT
# ELF header, one loadable segment, then: mov eax,1; mov ebx,42; int 0x80 (exit 42).
printf '\x7f\x45\x4c\x46\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00\x01\x00\x00\x00\x54\x80\x04\x08\x34\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00\x00\x00\x00\x00\x00\x00\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08\x00\x80\x04\x08\x60\x00\x00\x00\x60\x00\x00\x00\x05\x00\x00\x00\x00\x10\x00\x00\xb8\x01\x00\x00\x00\xbb\x2a\x00\x00\x00\xcd\x80' >"$program"
chmod +x "$program"
"$program" 2>/dev/null
status=$?
if [ "$status" -eq 42 ]; then
  echo "this machine executes 32-bit x86 programs"
  exit 0
fi
echo "this machine cannot execute 32-bit x86 programs (a 32-bit test program ended with status $status)"
exit 1
