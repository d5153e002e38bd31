# The two everyday commands: `make run` and `make test`. Both install what is missing first.
BUILD     ?= build
BUILDTYPE ?= RelWithDebInfo
JOBS      ?= $(shell nproc 2>/dev/null || echo 2)
GENERATOR := $(shell command -v ninja >/dev/null 2>&1 && echo "-G Ninja")

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

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

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
	rm -rf $(BUILD) build-bench
