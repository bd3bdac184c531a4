#!/usr/bin/env bash
# Puts the deliberate one-line faults of scripts/mutations.txt into a copy of
# the working tree, one at a time, and reports which of them the tests catch.
# A developer's tool for judging the test suite; CI does not run it, and it
# never changes the working tree.
set -euo pipefail

usage() {
    cat <<'EOF'
Usage: scripts/mutate.sh [options] [ID...]

Runs every fault of the list, or only the IDs given.

  --area AREA      only the faults of AREA (game, settings, input, painting,
                   view, flow, cards, dialogs);
                   may be given more than once
  --list FILE      the list of faults (default: scripts/mutations.txt)
  --scratch DIR    where the copy and its build live
                   (default: ${TMPDIR:-/tmp}/tavolin-mutate)
  --timeout SECS   how long one test program may run on a fault (default:
                   four times its unmutated run, plus 30 s); a test program
                   that runs out of time counts as catching the fault
  -j N             build jobs (default: 2)
  --check          only tell whether each fault applies; builds nothing
  -h, --help       this text

Each fault is reported as caught, survived, did not build (the compiler
refused it or warned) or does not apply (its original text is not found
exactly once, so the code has moved). The run goes on past every fault.
Exit status: 0 when the run completed, survivors or not; 1 when the script
could not run; 2 when the unmutated tree does not build or its tests fail.
EOF
}

die() {
    echo "mutate: $*" >&2
    exit "${status_on_death:-1}"
}

root=$(cd "$(dirname "$0")/.." && pwd)
list=$root/scripts/mutations.txt
scratch=${TMPDIR:-/tmp}/tavolin-mutate
jobs=2
timeout_secs=""
check_only=false
wanted_areas=()
wanted_ids=()

while [ $# -gt 0 ]; do
    case $1 in
        --area) wanted_areas+=("${2:?--area needs a name}"); shift 2 ;;
        --list) list=${2:?--list needs a file}; shift 2 ;;
        --scratch) scratch=${2:?--scratch needs a folder}; shift 2 ;;
        --timeout) timeout_secs=${2:?--timeout needs seconds}; shift 2 ;;
        -j) jobs=${2:?-j needs a number}; shift 2 ;;
        --check) check_only=true; shift ;;
        -h|--help) usage; exit 0 ;;
        -*) usage >&2; exit 1 ;;
        *) wanted_ids+=("$1"); shift ;;
    esac
done

[ -f "$list" ] || die "no list of faults at $list"
case $list in /*) ;; *) list=$PWD/$list ;; esac
mkdir -p "$scratch"
scratch=$(cd "$scratch" && pwd)
tree=$scratch/tree
build=$tree/build
logs=$scratch/logs
saved=$scratch/original

# ---- the list ---------------------------------------------------------------
# Entries of "key: value" lines, each starting with its id; # starts a comment.

ids=() areas=() files=() whats=() froms=() tos=() tests=()

trimmed() {
    local s=$1
    s=${s#"${s%%[![:space:]]*}"}
    printf '%s' "${s%"${s##*[![:space:]]}"}"
}

read_list() {
    local line key value n=-1 number=0
    while IFS= read -r line || [ -n "$line" ]; do
        number=$((number + 1))
        [[ $line =~ ^[[:space:]]*(#|$) ]] && continue
        [[ $line =~ ^([a-z]+):(.*)$ ]] || die "$list:$number: not a 'key: value' line"
        key=${BASH_REMATCH[1]}
        value=$(trimmed "${BASH_REMATCH[2]}")
        if [ "$key" = id ]; then
            n=$((n + 1))
            ids[n]=$value areas[n]="" files[n]="" whats[n]="" froms[n]="" tos[n]="" tests[n]=""
            continue
        fi
        [ $n -ge 0 ] || die "$list:$number: '$key' before the first id"
        case $key in
            area) areas[n]=$value ;;
            file) files[n]=$value ;;
            what) whats[n]=$value ;;
            from) froms[n]=$value ;;
            to) tos[n]=$value ;;
            tests) tests[n]=$value ;;
            *) die "$list:$number: unknown key '$key'" ;;
        esac
    done <"$list"
    local i j
    for i in "${!ids[@]}"; do
        [ -n "${areas[i]}" ] && [ -n "${files[i]}" ] && [ -n "${froms[i]}" ] && [ -n "${tests[i]}" ] ||
            die "fault ${ids[i]} lacks its area, file, from or tests"
        [ "${froms[i]}" != "${tos[i]}" ] || die "fault ${ids[i]} changes nothing"
        for ((j = 0; j < i; ++j)); do
            [ "${ids[j]}" != "${ids[i]}" ] || die "fault ${ids[i]} is listed twice"
        done
    done
}

contains() {
    local wanted=$1 item
    shift
    for item; do [ "$item" = "$wanted" ] && return 0; done
    return 1
}

chosen=()
choose_faults() {
    local i id
    for id in "${wanted_ids[@]}"; do
        contains "$id" "${ids[@]}" || die "no fault $id in $list"
    done
    for i in "${!ids[@]}"; do
        [ ${#wanted_ids[@]} -eq 0 ] || contains "${ids[i]}" "${wanted_ids[@]}" || continue
        [ ${#wanted_areas[@]} -eq 0 ] || contains "${areas[i]}" "${wanted_areas[@]}" || continue
        chosen+=("$i")
    done
    [ ${#chosen[@]} -gt 0 ] || die "no fault matches the ids and areas asked for"
}

# ---- the copy and its build -------------------------------------------------

# Copies only what differs, with a new time, so that the build notices a
# file put back after an interrupted run; build folders and .git stay out.
sync_tree() {
    local f
    mkdir -p "$tree"
    while IFS= read -r -d '' f; do
        cmp -s "$root/$f" "$tree/$f" && continue
        mkdir -p "$tree/$(dirname "$f")"
        cp "$root/$f" "$tree/$f"
    done < <(cd "$root" && find . \( -path './.git' -o -path './build*' \) -prune -o -type f -print0)
    while IFS= read -r -d '' f; do
        [ -e "$root/$f" ] || rm -f "$tree/$f"
    done < <(cd "$tree" && find . -path './build*' -prune -o -type f -print0)
}

configure() {
    if command -v ccache >/dev/null; then
        export CMAKE_CXX_COMPILER_LAUNCHER=ccache CMAKE_C_COMPILER_LAUNCHER=ccache
        # Paths relative to the copy match those of a build in a worktree,
        # so the unmutated files come from the cache.
        export CCACHE_BASEDIR=$tree
    fi
    (cd "$tree" && cmake --preset default) >"$logs/configure.log" 2>&1 ||
        die "configuring the copy failed; see $logs/configure.log"
}

# Builds the targets into $1; fails on an error, or on a warning, which the
# project treats as an error too.
build_targets() {
    local log=$1
    shift
    cmake --build "$build" -j "$jobs" --target "$@" >"$log" 2>&1 && ! grep -q 'warning:' "$log"
}

declare -A base_secs
failed_test=""

# Runs test program $1 for at most $2 seconds, its output into $3; true
# when it passes. On a failure failed_test names the first failing test, or
# how the program ended.
run_test() {
    local target=$1 limit=$2 out=$3 rc=0
    (cd "$build" && QT_QPA_PLATFORM=offscreen timeout -k 10 "$limit" \
        "bin/$target" --gtest_brief=1 --gtest_fail_fast) >"$out" 2>&1 || rc=$?
    [ $rc -eq 0 ] && return 0
    if [ $rc -eq 124 ] || [ $rc -eq 137 ]; then
        failed_test="timed out after ${limit}s"
    elif failed_test=$(grep -m1 -o '^\[  FAILED  \] [^ ]*' "$out"); then
        failed_test=${failed_test#*] }
    elif [ $rc -gt 128 ]; then
        failed_test="ended by signal $((rc - 128))"
    else
        failed_test="exit status $rc"
    fi
    return 1
}

limit_for() {
    if [ -n "$timeout_secs" ]; then
        echo "$timeout_secs"
    else
        echo $((4 * ${base_secs[$1]} + 30))
    fi
}

check_unmutated() {
    local target start
    echo "Building the unmutated copy in $build: ${needed[*]}"
    build_targets "$logs/build-unmutated.log" "${needed[@]}" ||
        die "the unmutated tree does not build cleanly; see $logs/build-unmutated.log"
    for target in "${needed[@]}"; do
        start=$SECONDS
        run_test "$target" 1800 "$logs/run-unmutated-$target.log" ||
            die "$target fails on the unmutated tree ($failed_test); see $logs/run-unmutated-$target.log"
        base_secs[$target]=$((SECONDS - start))
        echo "  $target passes unmutated in ${base_secs[$target]}s"
    done
}

# ---- one fault --------------------------------------------------------------

occurrences() {
    local text=$1 part=$2 rest
    rest=${text//"$part"/}
    echo $(((${#text} - ${#rest}) / ${#part}))
}

restore_file=""
restore() {
    if [ -n "$restore_file" ]; then
        cp "$saved" "$restore_file"
        restore_file=""
    fi
}
trap restore EXIT
trap 'restore; exit 130' INT TERM

result=() detail=()

# True when fault $1's original text occurs exactly once in $2 (its file
# under a tree); leaves the file's text in file_text, or says why not.
applies() {
    local i=$1 path=$2/${files[$1]} count
    if [ ! -f "$path" ]; then
        result[i]="does not apply"
        detail[i]="no file ${files[i]}"
        return 1
    fi
    file_text=$(cat "$path"; printf x)
    file_text=${file_text%x}
    count=$(occurrences "$file_text" "${froms[i]}")
    if [ "$count" -ne 1 ]; then
        result[i]="does not apply"
        detail[i]="original text found $count times"
        return 1
    fi
}

run_fault() {
    local i=$1 path=$tree/${files[$1]} target failures=()
    detail[i]=""
    applies "$i" "$tree" || return 0
    cp "$path" "$saved"
    restore_file=$path
    printf '%s' "${file_text/"${froms[i]}"/"${tos[i]}"}" >"$path"

    local -a targets
    read -r -a targets <<<"${tests[i]}"
    if ! build_targets "$logs/build-${ids[i]}.log" "${targets[@]}"; then
        restore
        result[i]="did not build"
        detail[i]="see $logs/build-${ids[i]}.log"
        return
    fi
    for target in "${targets[@]}"; do
        run_test "$target" "$(limit_for "$target")" "$logs/run-${ids[i]}-$target.log" ||
            failures+=("$target: $failed_test")
    done
    restore
    if [ ${#failures[@]} -eq 0 ]; then
        result[i]=survived
    else
        result[i]=caught
        detail[i]=$(printf '%s; ' "${failures[@]}")
        detail[i]=${detail[i]%; }
    fi
}

# ---- the run ----------------------------------------------------------------

read_list
choose_faults

if $check_only; then
    for i in "${chosen[@]}"; do
        detail[i]=""
        applies "$i" "$root" && result[i]=applies
        printf '%-5s %-9s %-15s %s\n' "${ids[i]}" "${areas[i]}" "${result[i]}" "${detail[i]}"
    done
    exit 0
fi

mkdir -p "$logs"

needed=()
for i in "${chosen[@]}"; do
    for target in ${tests[i]}; do
        contains "$target" "${needed[@]}" || needed+=("$target")
    done
done

sync_tree
configure
status_on_death=2 check_unmutated

echo
printf '%-5s %-9s %-15s %s\n' id area result "fault [what caught it, or why not run] (time)"
for i in "${chosen[@]}"; do
    start=$SECONDS
    run_fault "$i"
    printf '%-5s %-9s %-15s %s\n' "${ids[i]}" "${areas[i]}" "${result[i]}" \
        "${whats[i]}${detail[i]:+ [${detail[i]}]} ($((SECONDS - start))s)"
done

echo
printf '%-9s %7s %7s %9s %10s %9s %10s\n' area applied caught survived "not built" "not appl." "kill rate"
summarise() {
    local label=$1 area=$2 i applied=0 caught=0 survived=0 unbuilt=0 unapplied=0 rate="-"
    for i in "${chosen[@]}"; do
        [ -z "$area" ] || [ "${areas[i]}" = "$area" ] || continue
        case ${result[i]} in
            caught) caught=$((caught + 1)) ;;
            survived) survived=$((survived + 1)) ;;
            "did not build") unbuilt=$((unbuilt + 1)) ;;
            *) unapplied=$((unapplied + 1)) ;;
        esac
    done
    applied=$((caught + survived))
    [ $applied -eq 0 ] || rate="$((100 * caught / applied))%"
    printf '%-9s %7d %7d %9d %10d %9d %10s\n' "$label" $applied $caught $survived $unbuilt $unapplied "$rate"
}
seen=()
for i in "${chosen[@]}"; do
    contains "${areas[i]}" "${seen[@]}" && continue
    seen+=("${areas[i]}")
    summarise "${areas[i]}" "${areas[i]}"
done
summarise total ""
echo "(applied = applied and built; kill rate = caught / applied; a test program out of time counts as caught)"
