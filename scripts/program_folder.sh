# shellcheck shell=bash disable=SC2034
# What the scripts that check a built program folder know of it. Sourced, not run.
# The program's own name of its record file is in src/data; this is the scripts' one copy.
record_file=wwbb11.dat
