#!/bin/sh
# Starts the installed program through its link in <prefix>/bin, headless, from an unrelated
# working folder, with fresh data and settings folders. It must find its program folder on its
# own: the working database it makes is a copy of the installed dbRooms.mdb. The run may not
# write into the installed tree.
#   sh run_installed.sh PREFIX PROGRAM_DIR HOME
set -u
prefix=$1
folder=$prefix/$2
home=$3

rm -rf "$home"
mkdir -p "$home/data" "$home/config" "$home/work"
export QT_QPA_PLATFORM=offscreen XDG_DATA_HOME="$home/data" XDG_CONFIG_HOME="$home/config"
export XDG_RUNTIME_DIR="$home/runtime"
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
# Ends the program once its main window has been painted.
export CORVANNA_QUIT_WHEN_SHOWN=1
working=$home/data/Pellworth/Corvanna/dbRooms.mdb

before=$(cd "$prefix" && find . | sort)

cd "$home/work"
"$prefix/bin/corvanna" >"$home/output.txt" 2>&1 &
pid=$!

# Wait for the program to end by itself. A build whose program does not (it waits for its user)
# is asked to close, as a desktop session would, a few seconds after its working database is there.
ended=yes
polls=0
since_db=0
while kill -0 "$pid" 2>/dev/null; do
    polls=$((polls + 1))
    [ -f "$working" ] && since_db=$((since_db + 1))
    if [ "$since_db" -gt 50 ] || [ "$polls" -gt 600 ]; then
        ended=no
        kill -TERM "$pid" 2>/dev/null
        i=0
        while kill -0 "$pid" 2>/dev/null && [ $i -lt 100 ]; do sleep 0.1; i=$((i + 1)); done
        kill -KILL "$pid" 2>/dev/null
        break
    fi
    sleep 0.1
done
wait "$pid"
status=$?

failed=0
fail() {
    echo "FAIL: $1"
    failed=1
}
if [ "$ended" = yes ] && [ "$status" -ne 0 ]; then
    fail "the installed program ended with status $status"
fi
if [ ! -f "$working" ]; then
    fail "no working database $working: the program did not get that far"
elif ! cmp -s "$working" "$folder/dbRooms.mdb"; then
    fail "the working database is not a copy of the installed $folder/dbRooms.mdb"
fi
if grep -q "not found" "$home/output.txt"; then
    fail "the program reported a missing file"
fi
after=$(cd "$prefix" && find . | sort)
if [ "$before" != "$after" ]; then
    fail "the run changed the installed tree:"
    printf '%s\n' "$before" >"$home/before.txt"
    printf '%s\n' "$after" >"$home/after.txt"
    diff "$home/before.txt" "$home/after.txt"
fi
if [ "$failed" -ne 0 ]; then
    echo "--- program output:"
    cat "$home/output.txt"
    exit 1
fi
echo "The installed program found its program folder (ended by itself: $ended)"
