# Two commands: `make run` and `make test`. Both install what is missing, then build.
# The folders are the presets' (CMakePresets.json): testing, asan.
BUILD   := build
JOBS    ?= $(shell nproc 2>/dev/null || echo 2)
SUDO    := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

# Debian 12 packages the build, the program and its tests need.
PACKAGES := \
    cmake \
    make \
    g++ \
    pkg-config \
    qt6-base-dev \
    qt6-svg-dev \
    qt6-qpa-plugins \
    libgl-dev \
    libpng-dev \
    libfontconfig-dev \
    libgtest-dev \
    libgmock-dev \
    libbenchmark-dev \
    clang-format \
    fp-utils \
    fonts-liberation \
    fonts-dejavu-core \
    fonts-ipafont-gothic \
    qt6-l10n-tools \
    qt6-tools-dev \
    qt6-translations-l10n \
    xvfb \
    xauth \
    xdotool \
    openbox \
    weston \
    qt6-wayland \
    x11-utils \
    imagemagick \
    python3 \
    python3-pyatspi \
    python3-icalendar \
    python3-dbus \
    python3-gi \
    at-spi2-core \
    dbus-daemon \
    dbus-x11 \
    desktop-file-utils \
    appstream \
    man-db \
    dpkg-dev \
    file \
    poppler-utils \
    clang \
    libclang-rt-14-dev \
    # one package a line

.PHONY: run test test-asan fuzz build deps bench format clean install uninstall package translations

# `make install` puts the program under $(PREFIX) (bin/, share/); DESTDIR stages it elsewhere, as packagers do.
PREFIX  ?= /usr/local
DESTDIR ?=

run: build
	cd $(BUILD)/program && ./Rorovovo

test: build
	ctest --preset testing

build: deps
	cmake --preset testing
	cmake --build --preset testing -j$(JOBS)

# The list of installed files is kept apart from CMake's own manifest, which every later install (the tests',
# `make package`) rewrites; `make uninstall` removes exactly what the last `make install` wrote.
install: build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix "$(PREFIX)"
	sed 's|^|$(DESTDIR)|' $(BUILD)/install_manifest.txt > $(BUILD)/installed_files.txt

uninstall:
	cmake -DMANIFEST=$(BUILD)/installed_files.txt -P cmake/Uninstall.cmake

# A Debian package in $(BUILD)/, its dependencies found by dpkg-shlibdeps.
package: build
	cd $(BUILD) && cpack -G DEB

deps:
	@missing=$$(for p in $(PACKAGES); do \
	    dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q '^install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	    echo "Installing:" $$missing; \
	    $(SUDO) apt-get update -qq && \
	    DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq --no-install-recommends $$missing; \
	fi

# The same tests on a build with AddressSanitizer and UndefinedBehaviorSanitizer.
test-asan: deps
	cmake --preset asan
	cmake --build --preset asan -j$(JOBS)
	ctest --preset asan

# The settings and celebrity readers under libFuzzer, with the address and undefined-behaviour sanitizers, for
# FUZZ_SECONDS; the inputs it finds are kept in $(FUZZ_BUILD)/corpus, a crash in $(FUZZ_BUILD)/crash-*.
FUZZ_BUILD   ?= build-fuzz
FUZZ_SECONDS ?= 60
fuzz: deps
	cmake -S . -B $(FUZZ_BUILD) -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo -DROROVOVO_FUZZ=ON \
	    -DROROVOVO_TESTS=OFF -DROROVOVO_BENCH=OFF
	cmake --build $(FUZZ_BUILD) --target fuzz_profiles -j$(JOBS)
	mkdir -p $(FUZZ_BUILD)/corpus
	cd $(FUZZ_BUILD) && UBSAN_OPTIONS=print_stacktrace=1 ./profiles/fuzz/fuzz_profiles \
	    -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 corpus $(CURDIR)/profiles/fuzz/corpus

# Brings every text marked in the sources into each resources/translations/*.ts, as unfinished where it is new;
# a text no longer in the sources leaves the files.
translations: deps
	cmake --preset testing
	cmake --build --preset testing --target update_translations

# Rewrites every C++ file to the project's .clang-format; the test run fails on any difference.
format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

bench: build
	@for b in $(BUILD)/bench/bench_*; do if [ -f "$$b" ] && [ -x "$$b" ]; then echo "== $$b"; "$$b" || exit 1; fi; done

clean:
	rm -rf $(BUILD)
