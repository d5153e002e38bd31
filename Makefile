# The two everyday commands: `make run` and `make test`. Both install what is missing first.
BUILD     ?= build
BUILDTYPE ?= RelWithDebInfo
JOBS      ?= $(shell nproc 2>/dev/null || echo 2)
GENERATOR := $(shell command -v ninja >/dev/null 2>&1 && echo "-G Ninja")
# ccache, where the machine has it, makes rebuilds in other trees cheap.
GENERATOR += $(shell command -v ccache >/dev/null 2>&1 && echo "-DCMAKE_CXX_COMPILER_LAUNCHER=ccache")

.PHONY: all setup configure build run test bench package clean

all: build

setup:
	@sh scripts/setup

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) $(GENERATOR) -DCMAKE_BUILD_TYPE=$(BUILDTYPE)

configure: setup $(BUILD)/CMakeCache.txt

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@if [ -z "$${DISPLAY:-}" ] && [ -z "$${WAYLAND_DISPLAY:-}" ] && [ -z "$${QT_QPA_PLATFORM:-}" ]; then \
	  echo "Corvanna needs a desktop display: run it from a desktop session (or try: xvfb-run make run)."; exit 1; fi
	$(BUILD)/corvanna

# Every test three times over: the normal build; the same tests built with AddressSanitizer and
# UndefinedBehaviorSanitizer ($(BUILD)-asan); the fuzz targets built with clang and libFuzzer
# ($(BUILD)-fuzz). Longer runs: scripts/reliability-long, scripts/fuzz-long.
SANITIZER_ENV := ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/data/lsan.supp:print_suppressions=0 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

test:
	@sh scripts/setup test
	@$(MAKE) --no-print-directory build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
	cmake -S . -B $(BUILD)-asan $(GENERATOR) -DCMAKE_BUILD_TYPE=Debug -DCORVANNA_SANITIZE=ON
	cmake --build $(BUILD)-asan -j $(JOBS)
	cd $(BUILD)-asan && QT_QPA_PLATFORM=offscreen $(SANITIZER_ENV) ctest --output-on-failure -j $(JOBS)
	cmake -S . -B $(BUILD)-fuzz $(GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ -DCORVANNA_FUZZ=ON
	cmake --build $(BUILD)-fuzz -j $(JOBS) --target fuzz_literals
	cd $(BUILD)-fuzz && ctest --output-on-failure -R '^fuzz_'

# The list benchmark: a Release build of its own (no tests); generated databases are cached in
# build-bench/bench/data. BENCH_ARGS, e.g. "--db PATH" or "--scales 10k,100k".
bench: setup
	cmake -S . -B build-bench $(GENERATOR) -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
	cmake --build build-bench -j $(JOBS) --target corvanna_bench corvanna
	build-bench/bench/corvanna_bench $(BENCH_ARGS)

# A Debian package of the installed program (the .deb lands in $(BUILD)).
package: build
	cd $(BUILD) && cpack -G DEB

clean:
	rm -rf $(BUILD) $(BUILD)-asan $(BUILD)-fuzz build-bench
