#!/usr/bin/env bash
# Builds Quorvel and runs every check there is: bash scripts/test.sh (as root on a fresh
# Debian 12 the first time, so that the missing packages can be installed).
#
#   1. build-tests/  Debug build with tests and benchmarks; the whole CTest suite (CTest
#                    starts the private CUPS server, scripts/cups-test-server.sh, around the
#                    printing tests)
#      translations  lrelease on both translation files: no unfinished or untranslated entry
#   2. install check cmake --install into a scratch prefix; desktop entry validated
#      package       the Debian package of build-tests/: lintian, install, save a report as a
#                    normal user through the real window, purge (scripts/package-check.sh)
#   3. build-asan/   the same suite again under AddressSanitizer + UndefinedBehaviorSanitizer
#   4. valgrind      memcheck on the engine and button test programs (definite leaks fail)
#   5. build-fuzz/   clang + libFuzzer on both engines, the CSV reader and the practice codes,
#                    20 s per target
#
# Every step runs even when an earlier one failed (unless it needs that one's build); the
# last line counts the tests and checks that passed and failed. Exit status 0 only when
# nothing failed.
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
cd "$QUORVEL_ROOT" || exit 1

FUZZ_SECONDS=${QUORVEL_FUZZ_SECONDS:-20}
# Logs, the scratch install prefix, fuzzing corpora and any crashing inputs stay here after the run.
SCRATCH=$QUORVEL_ROOT/build-logs
rm -rf "$SCRATCH"
mkdir -p "$SCRATCH"

passed=0
failed=0
skipped=0
failures=()
timings=()
started_at=$SECONDS


pass() { passed=$((passed + ${2:-1})); }
fail() { failed=$((failed + ${2:-1})); failures+=("$1"); }
skip() { skipped=$((skipped + 1)); echo "== SKIPPED: $1"; }
banner() { echo; echo "======== $* ========"; }

# timed NAME COMMAND... : runs the command, remembers how long it took, returns its status
timed() {
    local name=$1 start=$SECONDS status
    shift
    "$@"
    status=$?
    timings+=("$(printf '%-28s %4ds  %s' "$name" $((SECONDS - start)) \
        "$([[ $status -eq 0 ]] && echo ok || echo FAILED)")")
    return $status
}

# The same, deterministic surroundings for every test program.
export QT_QPA_PLATFORM=offscreen
export LC_ALL=C.UTF-8
export LANG=C.UTF-8
unset LANGUAGE
export CTEST_OUTPUT_ON_FAILURE=1
# LeakSanitizer is on for the sanitizer run. Qt, fontconfig and the offscreen platform free or
# keep reachable what they allocate, so the one suppression needed is a libcups-internal leak,
# named by function (scripts/lsan.supp says why a whole-library entry would hide our leaks).
# valgrind below checks the engine and button tests once more without instrumentation.
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1
export LSAN_OPTIONS=suppressions=$QUORVEL_ROOT/scripts/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export ASAN_SYMBOLIZER_PATH=${ASAN_SYMBOLIZER_PATH:-$(command -v llvm-symbolizer || true)}

# --- packages ------------------------------------------------------------------------------
banner "Debian packages"
if ! timed "packages" quorvel_install_packages build run test; then
    echo "Installing the packages failed; nothing can be built." >&2
    echo "quorvel: 0 passed, 1 failed"
    exit 1
fi

# configure_and_build DIR CMAKE-ARGS... : configures with Ninja and builds everything
configure_and_build() {
    local dir=$1
    shift
    cmake -S . -B "$dir" -G Ninja $(quorvel_launcher_args) "$@" >"$SCRATCH/cmake-$(basename "$dir").log" 2>&1 \
        || { cat "$SCRATCH/cmake-$(basename "$dir").log"; return 1; }
    cmake --build "$dir" -j "$QUORVEL_JOBS"
}

# run_suite DIR LABEL : the whole CTest suite of a build folder. The printing tests get their
# private CUPS server from CTest itself: a fixture runs scripts/cups-test-server.sh start before
# them and stop after them (tests/platform/cupsserver.cmake), with a folder of its own per
# build tree. Adds the suite's passed and failed counts to the totals.
run_suite() {
    local dir=$1 label=$2 log=$SCRATCH/ctest-$2.log status
    ctest --test-dir "$dir" --output-on-failure --timeout 600 -j "$QUORVEL_JOBS" 2>&1 | tee "$log"
    status=${PIPESTATUS[0]}
    # "100% tests passed, 0 tests failed out of 57"
    local line total bad
    line=$(grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -n 1)
    if [[ -n $line ]]; then
        total=$(sed -E 's/.* out of ([0-9]+).*/\1/' <<<"$line")
        bad=$(sed -E 's/.*passed, ([0-9]+) tests? failed.*/\1/' <<<"$line")
        pass "$label" $((total - bad))
        [[ $bad -gt 0 ]] && fail "$label: $bad tests failed" "$bad"
        [[ $bad -eq 0 && $status -ne 0 ]] && fail "$label: ctest exit status $status"
    else
        fail "$label: the suite did not run (status $status)"
    fi
    return $status
}

# --- 1. normal build and the suite ---------------------------------------------------------
banner "Build (build-tests, Debug)"
if timed "build" configure_and_build build-tests -DCMAKE_BUILD_TYPE=Debug \
        -DQUORVEL_BUILD_TESTS=ON -DQUORVEL_BUILD_BENCH=ON; then
    pass build
    normal_built=1
else
    fail "build (build-tests)"
    normal_built=0
fi

if [[ $normal_built -eq 1 ]]; then
    banner "Test suite"
    timed "ctest" run_suite build-tests ctest
else
    skip "test suite (no build)"
fi

# --- translations ---------------------------------------------------------------------------
# Every entry of both translation files is translated and finished: lrelease's summary says
# "Generated N translation(s) (N finished and 0 unfinished)" and names no untranslated text.
check_translations() {
    local lrelease=/usr/lib/qt6/bin/lrelease ts out status=0
    [[ -x $lrelease ]] || lrelease=$(command -v lrelease) || { echo "lrelease not found" >&2; return 1; }
    for ts in translations/quorvel_en.ts translations/quorvel_lab_en.ts; do
        out=$("$lrelease" "$ts" -qm "$SCRATCH/$(basename "$ts" .ts).qm" 2>&1) || { echo "$out"; status=1; continue; }
        echo "$out"
        if ! grep -Eq 'Generated [1-9][0-9]* translation\(s\) \([0-9]+ finished and 0 unfinished\)' <<<"$out"; then
            echo "translations: $ts has unfinished entries" >&2
            status=1
        fi
        if grep -q 'untranslated source text' <<<"$out"; then
            echo "translations: $ts has untranslated entries" >&2
            status=1
        fi
    done
    return $status
}
banner "Translations"
if timed "translations" check_translations; then pass translations; else fail "translations"; fi

# --- 2. installation ------------------------------------------------------------------------
check_install() {
    local prefix=$SCRATCH/prefix f
    rm -rf "$prefix"
    cmake --install build-tests --prefix "$prefix" || return 1
    for f in bin/quorvel share/applications/quorvel.desktop \
             share/icons/hicolor/128x128/apps/quorvel.png share/icons/hicolor/scalable/apps/quorvel.svg \
             share/metainfo/example.tamsira.quorvel.metainfo.xml share/man/man1/quorvel.1.gz \
             bin/quorvel-solve share/man/man1/quorvel-solve.1.gz; do
        [[ -s $prefix/$f ]] || { echo "install: $f missing" >&2; return 1; }
    done
    [[ -x $prefix/bin/quorvel ]] || { echo "install: bin/quorvel is not executable" >&2; return 1; }
    desktop-file-validate "$prefix/share/applications/quorvel.desktop" || return 1
    grep -qx 'Name=Quorvel' "$prefix/share/applications/quorvel.desktop" || return 1
    grep -qx 'Exec=quorvel' "$prefix/share/applications/quorvel.desktop" || return 1
    echo "install: all files in place below $prefix"
}
banner "Installation"
if [[ $normal_built -eq 1 ]]; then
    if timed "install" check_install; then pass install; else fail "install"; fi
else
    skip "installation (no build)"
fi

banner "Debian package"
if [[ $normal_built -eq 1 ]]; then
    if timed "package" bash scripts/package-check.sh build-tests; then pass package; else fail "package"; fi
else
    skip "Debian package (no build)"
fi

# --- 3. sanitizers --------------------------------------------------------------------------
banner "Build (build-asan, AddressSanitizer + UndefinedBehaviorSanitizer)"
if timed "build asan" configure_and_build build-asan -DCMAKE_BUILD_TYPE=Debug \
        -DQUORVEL_SANITIZE=ON -DQUORVEL_BUILD_TESTS=ON -DQUORVEL_BUILD_BENCH=OFF; then
    pass "build asan"
    banner "Test suite under ASan + UBSan"
    timed "ctest asan" run_suite build-asan "ctest-asan"
else
    fail "build (build-asan)"
    skip "sanitizer suite (no build)"
fi

# --- 4. valgrind ----------------------------------------------------------------------------
# memcheck over the engine and button test programs of the normal build: any memory error,
# or a definite leak not explained by the commented suppressions, fails.
run_valgrind() {
    local src name exe status=0 log
    for src in tests/engine/*_test.cpp tests/engine/tst_*.cpp \
               tests/ui/button/*_test.cpp tests/ui/button/tst_*.cpp; do
        [[ -f $src ]] || continue
        name=$(basename "$src" .cpp)
        exe=build-tests/tests/$name
        if [[ ! -x $exe ]]; then
            echo "valgrind: $exe not built" >&2
            fail "valgrind $name (not built)"
            status=1
            continue
        fi
        log=$SCRATCH/valgrind-$name.log
        echo "== valgrind $name"
        if valgrind --tool=memcheck --error-exitcode=1 --leak-check=full \
                --errors-for-leak-kinds=definite --show-leak-kinds=definite \
                --track-origins=yes --num-callers=30 \
                --suppressions="$QUORVEL_ROOT/scripts/valgrind.supp" \
                "$exe" >"$log" 2>&1; then
            grep -E 'ERROR SUMMARY|definitely lost' "$log" | sed 's/^/   /'
            pass "valgrind $name"
        else
            tail -n 80 "$log"
            fail "valgrind $name"
            status=1
        fi
    done
    return $status
}
banner "valgrind memcheck (engine and button tests)"
if [[ $normal_built -eq 1 ]]; then
    timed "valgrind" run_valgrind
else
    skip "valgrind (no build)"
fi

# --- 5. fuzzing -----------------------------------------------------------------------------
run_fuzzers() {
    local target status=0 corpus work
    for target in fuzz_numeric fuzz_schedule fuzz_lab_csv fuzz_lab_engine fuzz_practice; do
        corpus=$QUORVEL_ROOT/fuzz/corpus/${target#fuzz_}
        work=$SCRATCH/corpus-$target
        mkdir -p "$work"
        echo "== $target for ${FUZZ_SECONDS}s"
        # New inputs go to the scratch folder (the first one); the committed corpus is only read.
        if (cd "$SCRATCH" && "$QUORVEL_ROOT/build-fuzz/fuzz/$target" -max_total_time="$FUZZ_SECONDS" \
                -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 "$work" "$corpus" \
                >"$SCRATCH/$target.log" 2>&1); then
            grep -E '^(stat::number_of_executed_units|stat::peak_rss_mb|Done)' "$SCRATCH/$target.log" | sed 's/^/   /'
            pass "$target"
        else
            tail -n 60 "$SCRATCH/$target.log"
            ls "$SCRATCH"/crash-* "$SCRATCH"/leak-* "$SCRATCH"/timeout-* 2>/dev/null | while read -r f; do
                echo "   input $f: $(od -An -c "$f" | head -n 4 | tr -s ' ')"
            done
            fail "$target"
            status=1
        fi
    done
    return $status
}
banner "Build (build-fuzz, clang + libFuzzer)"
if timed "build fuzz" configure_and_build build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_CXX_COMPILER=clang++ -DQUORVEL_FUZZ=ON; then
    pass "build fuzz"
    banner "Fuzzing"
    timed "fuzz" run_fuzzers
else
    fail "build (build-fuzz)"
    skip "fuzzing (no build)"
fi

# --- summary --------------------------------------------------------------------------------
banner "Summary"
printf '%s\n' "${timings[@]}"
printf '%-28s %4ds\n' "total" $((SECONDS - started_at))
if [[ ${#failures[@]} -gt 0 ]]; then
    echo "Failed:"
    printf '  %s\n' "${failures[@]}"
fi
if [[ $skipped -gt 0 ]]; then
    echo "quorvel: $passed passed, $failed failed, $skipped skipped"
else
    echo "quorvel: $passed passed, $failed failed"
fi
[[ $failed -eq 0 && $skipped -eq 0 ]]
