# Two commands: `make run` and `make test`. Both install what a fresh Debian 12 machine lacks.
.PHONY: run test test-core test-debug debug-build configure build deps bench-deps bench install package format \
        format-check layers clean fuzz-deps fuzz-build fuzz fuzz-regress translations

# The installation's checks: the desktop entry's and metainfo's validators, a second SVG
# renderer for the icon, groff for the manual pages, what the Debian package is built with
# (dpkg-shlibdeps finds its libraries, and needs `file`), and lintian, which judges it.
DESKTOP_PACKAGES := desktop-file-utils appstream librsvg2-bin groff-base dpkg-dev file lintian
# Sound: Debian's Qt 6.4 Multimedia plays audio through PulseAudio's client library, built into
# libqt6multimedia6 (no backend plugin is loaded for it); a desktop's sound server (PipeWire or
# PulseAudio) gives it the output devices. A machine without one has no device and stays silent.
# Qt looks for the server once, so the sound module also asks it directly (libpulse-dev); its
# test starts a PulseAudio server of its own, installed here unless PipeWire serves the desktop
# (the two servers' packages exclude each other; there the test is skipped).
# Languages: lupdate and lrelease (qt6-l10n-tools) with their CMake functions (qt6-tools-dev)
# compile the translations at build time; Qt's own catalogues (qt6-translations-l10n) translate
# its buttons. The tests of window placement run on an X server of their own (Xvfb) with openbox
# managing it; the crash test plays the program there through the X client library.
# clang-format checks the code's layout (`make format-check`, part of CI); ccache keeps a
# rebuild of what any checkout compiled before short, and lld links the tests in a quarter of
# the time. The start-up reads the font configuration on a thread of its own (fontconfig's
# headers).
PACKAGES := cmake ninja-build g++ make pkg-config qt6-base-dev qt6-base-dev-tools \
            qt6-multimedia-dev libqt6multimedia6 libpulse0 libgl-dev fonts-liberation \
            qt6-tools-dev qt6-l10n-tools qt6-translations-l10n xvfb xauth openbox clang-format \
            libxcb1-dev ccache lld libpulse-dev libfontconfig-dev $(SOUND_SERVER) \
            $(DESKTOP_PACKAGES)
SOUND_SERVER := $(shell dpkg-query -W -f='$${Status}' pipewire-pulse 2>/dev/null | \
                  grep -q "install ok installed" || echo pulseaudio pulseaudio-utils)
# Only `make bench` needs these: djpeg (the floor of a JPEG decode), GNU time (a program's own
# peak memory), Xvfb with xauth for xvfb-run, and the X client library's headers (the
# start-up timing watches the server for the window).
BENCH_PACKAGES := libjpeg-turbo-progs time xvfb xauth libxcb1-dev
# Only the fuzz targets need these: clang and its libFuzzer runtime.
FUZZ_PACKAGES := clang libclang-rt-14-dev
# The fuzz targets are fuzz/CMakeLists.txt's; its configure writes their names here.
FUZZERS ?= $(shell cat build-fuzz/fuzzers.txt 2>/dev/null)
FUZZ_SECONDS ?= 60
# Warnings are errors in every build (the compiler is Debian 12's, on which the code builds
# clean), so that CI's build and a player's share one compiler cache and build folder.
WERROR ?= ON
PREFIX ?= /usr/local
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

# Installs the packages of $(1) that are missing.
define install
	@missing=""; for p in $(1); do \
	    dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	    echo "Installing:$$missing"; \
	    $(SUDO) apt-get update -q && \
	    DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -q --no-install-recommends $$missing; \
	fi
endef

deps:
	$(call install,$(PACKAGES))

bench-deps:
	$(call install,$(BENCH_PACKAGES))

configure: deps
	cmake --preset release -DTESSEL_WERROR=$(WERROR)

build: configure
	cmake --build --preset release

# The game alone (its sound module and default photo come with it), not the tests.
run: configure
	cmake --build --preset release --target Tessel
	./build/Tessel

# The core's tests first (a minute from a fresh clone, and most faults show there), then
# everything else is built and the other tests run.
test: test-core
	cmake --build --preset release
	ctest --preset release -LE core

# The core's tests alone: no display, no window library, seconds to run.
test-core: configure
	cmake --build --preset release --target tessel_core_tests
	ctest --preset release -L core

# The game, its files and its desktop integration under $(PREFIX), without the tests.
install: configure
	cmake --build --preset release --target tessel_installed
	cmake --install build --prefix $(PREFIX)

# The Debian package, build/tessel_VERSION_ARCH.deb: `apt-get install ./build/tessel_*.deb`;
# `lintian build/tessel_*.deb` has no error or warning to report.
package: configure
	cmake --build --preset release --target tessel_installed
	cd build && cpack -G DEB

# Only what the bench runs: itself, the game, the bare window, tessel-solve and its tables.
bench: bench-deps configure
	cmake --build --preset release --target tessel_bench
	./build/tessel_bench $(PARTS)

# The fuzz targets of fuzz/, built with clang under the sanitizers in build-fuzz/.
fuzz-deps:
	$(call install,$(PACKAGES) $(FUZZ_PACKAGES))

fuzz-build: fuzz-deps
	cmake --preset fuzz
	cmake --build --preset fuzz

# Refuses an empty list of fuzz targets, so that a lost list cannot pass as a clean run.
define need_fuzzers
	@[ -n "$(strip $(FUZZERS))" ] || { echo "No fuzz targets: build-fuzz/fuzzers.txt is missing or empty" >&2; exit 1; }
endef

# Each target in turn for FUZZ_SECONDS, from its seeds: what it finds new is kept in
# build-fuzz/corpus/<target>, a crash in build-fuzz/crashes/ (add it to fuzz/corpus/<target>
# once mended). `make fuzz FUZZERS=picture` runs one.
fuzz: fuzz-build
	$(need_fuzzers)
	@mkdir -p build-fuzz/crashes
	@for t in $(FUZZERS); do \
	    mkdir -p build-fuzz/corpus/$$t; \
	    dict=""; [ -f fuzz/$$t.dict ] && dict="-dict=fuzz/$$t.dict"; \
	    echo "== fuzz_$$t for $(FUZZ_SECONDS) s"; \
	    ./build-fuzz/fuzz_$$t -max_total_time=$(FUZZ_SECONDS) -rss_limit_mb=4096 \
	        -print_final_stats=1 $$dict -artifact_prefix=build-fuzz/crashes/$$t- \
	        build-fuzz/corpus/$$t fuzz/corpus/$$t > build-fuzz/fuzz-$$t.log 2>&1 \
	        || { tail -n 60 build-fuzz/fuzz-$$t.log; exit 1; }; \
	    echo "fuzz_$$t: $$(grep -E '^#[0-9]+[[:space:]]+DONE' build-fuzz/fuzz-$$t.log | tail -n 1)"; \
	done

# Every target over its corpus once, the crashes found before included: seconds. The sanitizer
# build's targets replay the files without libFuzzer, so no second instrumented build is needed
# (its leak check and options as the tests').
REGRESS_FUZZERS ?= $(shell cat build-debug/fuzzers.txt 2>/dev/null)
SANITIZER_OPTIONS := ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
    LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
fuzz-regress: debug-build
	@[ -n "$(strip $(REGRESS_FUZZERS))" ] || { echo "No fuzz targets: build-debug/fuzzers.txt is missing or empty" >&2; exit 1; }
	@for t in $(REGRESS_FUZZERS); do \
	    $(SANITIZER_OPTIONS) ./build-debug/fuzz_$$t fuzz/corpus/$$t/* > build-debug/regress-$$t.log 2>&1 \
	        || { tail -n 60 build-debug/regress-$$t.log; exit 1; }; \
	    echo "fuzz_$$t: $$(ls fuzz/corpus/$$t | wc -l) inputs, no fault"; \
	done

debug-build: deps
	cmake --preset debug -DTESSEL_WERROR=$(WERROR)
	cmake --build --preset debug

test-debug: debug-build
	ctest --preset debug

# Brings resources/translations/*.ts up to date with the string table and the desktop entry's
# and metainfo's texts (lupdate); then translate the new texts in Qt Linguist
# (`linguist resources/translations/tessel_de.ts`).
translations: configure
	cmake --build --preset release --target update_translations

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

format-check: deps
	git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

# The folders' include graph, their ranks and any cycle.
layers:
	cmake -DSOURCE_DIR=$(CURDIR) -DGRAPH=ON -P cmake/checklayers.cmake

clean:
	rm -rf build build-debug build-fuzz
