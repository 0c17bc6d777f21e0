# SPDX-License-Identifier: GPL-3.0-or-later
# Two commands for a newcomer on Debian 12 or 13: `make play` and `make test`.
# Each installs what is missing, builds, and then plays or tests.

BUILD    ?= build
ASAN     ?= build-asan
WEB      ?= build-web
WEB_PORT ?= 8023
DEB      ?= build-deb
WIN      ?= build-win
FUZZ_SECONDS ?= 120
JOBS     ?= 2
PLAY_DIR ?= $(or $(XDG_DATA_HOME),$(HOME)/.local/share)/korvane
# What the game needs to build: the compiler, Qt, PulseAudio's client library
# for the sounds, GoogleTest for the tests the build tree is configured with, and
# the fonts the table is drawn in.
PLAY_PACKAGES := cmake g++ make qt6-base-dev libpulse-dev libgtest-dev libgmock-dev \
                 fonts-liberation2 fonts-dejavu fonts-dejavu-core
# What the tests need besides: clang for the sanitizers and fuzzing; dpkg-dev and
# file for the package's dependencies; lintian, appstreamcli, desktop-file-validate
# and man for checking the package and its desktop metadata; locales for the
# comma-decimal locales and strace for the faults the cash file is tested against;
# Xvfb, AT-SPI, pyatspi and a D-Bus session for the round a screen-reader user plays,
# and x11-utils to see which window a second launch brought to the front.
# PulseAudio, which the sound test starts in its own folder to play a cue into;
# not where PipeWire's stands in for it, which it would fight for the desktop's
# sound (the test is skipped there).
SOUND_SERVER := $(shell dpkg-query -W -f='$${Status}' pipewire-pulse 2>/dev/null | \
                  grep -q '^install ok installed' || echo pulseaudio)
PACKAGES := $(PLAY_PACKAGES) clang libclang-rt-dev dpkg-dev file lintian appstream \
            desktop-file-utils man-db locales strace xvfb x11-utils at-spi2-core python3-pyatspi dbus-daemon \
            emscripten nodejs $(SOUND_SERVER)
# Windows: Debian's mingw-w64 (the POSIX thread model), GoogleTest's sources, wine
# to run what it builds (64-bit alone; the wine package brings the `wine` command),
# NSIS for the installer, and python3 to join the icon's sizes.
WINDOWS_PACKAGES := cmake make g++-mingw-w64-x86-64-posix googletest wine wine64 nsis python3
# The page: the core compiled to WebAssembly, and the fonts it serves.
WEB_PACKAGES := cmake make emscripten nodejs fonts-liberation2
SUDO     := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
SHELL    := /bin/bash
# The build's own makes say nothing about the folders they enter.
MAKEFLAGS += --no-print-directory

.PHONY: play test sanitize fuzz bench build deps play-deps locales deb deb-check spdx screenshot \
        format clean web web-serve web-deps web-test windows windows-test

define install_missing
	@missing=$$(for p in $(1); do \
	    dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q '^install ok installed' || echo $$p; \
	done); \
	if [ -n "$$missing" ]; then \
	    echo "Installing:" $$missing; \
	    $(SUDO) apt-get update && \
	    $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $$missing; \
	fi
endef

deps:
	$(call install_missing,$(PACKAGES))

# The tests play under comma-decimal locales too, so the cash never follows the
# player's language.
COMMA_LOCALES := da_DK de_DE
locales: deps
	@for l in $(COMMA_LOCALES); do \
	    locale -a | grep -qx "$$l.utf8" || $(SUDO) localedef -i $$l -f UTF-8 $$l.UTF-8 || exit 1; \
	done

play-deps:
	$(call install_missing,$(PLAY_PACKAGES))

CONFIGURE := cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo --log-level=WARNING

# The developers' build stops at a warning. A tree that `make play` configured
# only warns: this turns warnings as errors on in it for good (the next build
# then compiles everything once).
build: deps
	@if [ ! -f $(BUILD)/CMakeCache.txt ]; then \
	    echo "Configuring $(BUILD)/"; $(CONFIGURE) -DKORVANE_WERROR=ON >/dev/null; \
	elif ! grep -q '^KORVANE_WERROR:BOOL=ON$$' $(BUILD)/CMakeCache.txt; then \
	    echo "Turning warnings as errors on in $(BUILD)/: everything compiles once more"; \
	    cmake -S . -B $(BUILD) -DKORVANE_WERROR=ON --log-level=WARNING >/dev/null; \
	fi
	@echo "Building the game, its tools and tests in $(BUILD)/"
	cmake --build $(BUILD) -j$(JOBS)

# The game runs in a folder of the player's own, which keeps the cash file
# across rebuilds and holds the sounds it plays. Only the game and its sound
# module are built, quietly: compiler warnings still show.
play: play-deps
	@[ -f $(BUILD)/CMakeCache.txt ] || { echo "Configuring $(BUILD)/"; $(CONFIGURE) >/dev/null; }
	@echo "Building the game in $(BUILD)/ (a minute or two the first time)"
	@set -o pipefail; cmake --build $(BUILD) -j$(JOBS) --target korvane 2>&1 | \
	    { grep --line-buffered -vE '^(\[ *[0-9]+%\] |Consolidate compiler generated dependencies)' || true; }
	@mkdir -p "$(PLAY_DIR)"
	@for f in assets/sounds/*.wav; do \
	    [ -e "$(PLAY_DIR)/$${f##*/}" ] || cp "$$f" "$(PLAY_DIR)/"; \
	done
	@echo "Playing in $(PLAY_DIR)"
	cd "$(PLAY_DIR)" && "$(CURDIR)/$(BUILD)/app/korvane"

# Every test of the game, then the core again under AddressSanitizer and
# UndefinedBehaviorSanitizer, with the fuzz targets over their corpus, then the
# package built from scratch and checked.
test: build locales web web-deps
	@echo "Testing in $(BUILD)/"
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS) \
	    --output-junit $(CURDIR)/$(BUILD)/ctest-junit.xml
	$(MAKE) sanitize
	@echo "Building the package from scratch in $(DEB)/"
	rm -rf $(DEB)
	$(MAKE) deb-check KORVANE_WERROR=ON
	@started=$$(date +%s); $(MAKE) windows-test && \
	    echo "The Windows build and its tests under wine took $$(( $$(date +%s) - started )) s"
	@tests/hygiene/summary.py $(BUILD)/ctest-junit.xml $(ASAN)/ctest-junit.xml $(WIN)/ctest-junit.xml

$(ASAN)/CMakeCache.txt: | deps
	cmake -S . -B $(ASAN) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
	    -DKORVANE_WITH_QT=OFF -DKORVANE_SANITIZE=ON -DKORVANE_WERROR=ON

sanitize: deps locales $(ASAN)/CMakeCache.txt
	@grep -q '^KORVANE_WERROR:BOOL=ON$$' $(ASAN)/CMakeCache.txt || \
	    cmake -S . -B $(ASAN) -DKORVANE_WERROR=ON --log-level=WARNING >/dev/null
	@echo "Building the core under the sanitizers in $(ASAN)/"
	cmake --build $(ASAN) -j$(JOBS)
	cd $(ASAN) && ctest --output-on-failure -j$(JOBS) --output-junit $(CURDIR)/$(ASAN)/ctest-junit.xml

# Each fuzz target for FUZZ_SECONDS; what they find is kept in $(ASAN)/fuzz/found.
fuzz: deps $(ASAN)/CMakeCache.txt
	cmake --build $(ASAN) -j$(JOBS)
	for t in numeric_value:numeric cash_file:cash drive:drive; do \
	    $(ASAN)/fuzz/$${t%%:*}_fuzz -max_total_time=$(FUZZ_SECONDS) -timeout=10 \
	        -artifact_prefix=$(ASAN)/fuzz/ $(ASAN)/fuzz/found/$${t##*:} fuzz/corpus/$${t##*:} || exit 1; \
	done

# The Debian package, $(DEB)/korvane_VERSION_ARCH.deb: a Release build of the game
# alone with Debian's hardening flags, stripped, its dependencies computed by
# dpkg-shlibdeps. KORVANE_WERROR=ON stops it at a warning.
KORVANE_WERROR ?= OFF
deb: deps
	@[ -f $(DEB)/CMakeCache.txt ] || \
	    DEB_BUILD_MAINT_OPTIONS=hardening=+all \
	    CXXFLAGS="$$(dpkg-buildflags --get CPPFLAGS) $$(dpkg-buildflags --get CXXFLAGS)" \
	    LDFLAGS="$$(dpkg-buildflags --get LDFLAGS)" \
	    cmake -S . -B $(DEB) -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
	        -DCMAKE_INSTALL_PREFIX=/usr -DKORVANE_LAUNCHER_DIR=games --log-level=WARNING >/dev/null
	cmake -S . -B $(DEB) -DKORVANE_WERROR=$(KORVANE_WERROR) --log-level=WARNING >/dev/null
	cmake --build $(DEB) -j$(JOBS)
	cd $(DEB) && cpack -G DEB >/dev/null
	@ls $(DEB)/korvane_*.deb

# The package as a user and a packager would check it: lintian, the desktop
# metadata, where every file lands, and no path of this machine inside.
deb-check: deb
	tests/package/check_deb.sh $(DEB)/korvane_*.deb "$(CURDIR)" "$(CURDIR)/$(DEB)"

# The browser tests drive Debian's chromium through the one npm package named in
# tests/web/package-lock.json, installed from the lock alone when the lock changes.
# A node that brings its own npm (as NodeSource's does) stands in for Debian's two.
WEB_DRIVER := tests/web/node_modules/.package-lock.json
$(WEB_DRIVER): tests/web/package-lock.json
	cd tests/web && npm ci --ignore-scripts --no-audit --no-fund
web-deps:
	$(call install_missing,chromium)
	@command -v node >/dev/null && command -v npm >/dev/null || { \
	    $(SUDO) apt-get update && \
	    $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends nodejs npm; }
	@$(MAKE) $(WEB_DRIVER)

# The page in chromium: every case of tests/web, against the site `make web` built.
web-test: build web web-deps
	cd $(BUILD) && KORVANE_WEB_REQUIRED=1 ctest -L web --output-on-failure -j$(JOBS)

# The table's start-up and memory on an X display of its own, as a player's
# desktop shows it.
bench: build web web-deps
	$(BUILD)/bench/rounds_bench
	xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" $(BUILD)/bench/qt_bench
	bench/web/build_minimal.sh $(BUILD)/bench/web-minimal
	node bench/web/web_bench.mjs $(WEB)/site $(BUILD)/bench/web-minimal $(BUILD)/bench/web-work

# The table as a web page: a folder of static files in $(WEB)/site. emcc runs on
# Debian's node only with Debian's modules, and emcmake's own test emulator passes
# node 20 a flag it refuses, so ours is plain node.
web:
	$(call install_missing,$(WEB_PACKAGES))
	@[ -f $(WEB)/CMakeCache.txt ] || NODE_PATH=/usr/share/nodejs emcmake cmake -S . -B $(WEB) \
	    -DCMAKE_BUILD_TYPE=Release -DKORVANE_WITH_QT=OFF -DBUILD_TESTING=OFF \
	    -DCMAKE_CROSSCOMPILING_EMULATOR=$$(command -v node) --log-level=WARNING >/dev/null
	NODE_PATH=/usr/share/nodejs cmake --build $(WEB) -j$(JOBS) --target korvane-web
	cmake --build $(WEB) --target korvane-offline
	@echo "The page is in $(WEB)/site"

# The table for Windows, cross-built with mingw-w64 into $(WIN)/: the programs,
# Korvane-windows.zip and the installer Korvane-setup.exe. Everything is linked
# statically, so the zip needs nothing beside it on any 64-bit Windows.
windows:
	$(call install_missing,$(WINDOWS_PACKAGES))
	@[ -f $(WIN)/CMakeCache.txt ] || { echo "Configuring $(WIN)/"; \
	    cmake -S . -B $(WIN) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DCMAKE_BUILD_TYPE=Release \
	        -DKORVANE_WITH_QT=OFF -DKORVANE_WERROR=ON --log-level=WARNING >/dev/null; }
	@echo "Building the table for Windows in $(WIN)/"
	cmake --build $(WIN) -j$(JOBS)
	@ls $(WIN)/Korvane-windows.zip

# The core's tests, the Windows services' own and the driver's scripts, each a
# Windows program run under wine in the build tree's own wine prefix ($(WIN)/wine).
windows-test: windows
	@echo "Testing under wine in $(WIN)/"
	cd $(WIN) && ctest --output-on-failure -j$(JOBS) --output-junit $(CURDIR)/$(WIN)/ctest-junit.xml

# Plays the page at http://127.0.0.1:$(WEB_PORT)/ until Ctrl+C.
web-serve: web
	python3 -m http.server --bind 127.0.0.1 --directory $(WEB)/site $(WEB_PORT)

# Renews the pictures of the table in the README.
screenshot: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ./tests/window/window_test --gtest_filter='*Screenshot*'
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ./tests/window/window_round_test --gtest_filter='*ToItsEnd'
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ./tests/window/presentation_test --gtest_filter='*Chooser*:*Rules*'
	cp $(BUILD)/table.png $(BUILD)/round.png $(BUILD)/chooser.png $(BUILD)/rules.png docs/

# Adds the licence line to every source file that lacks one.
spdx:
	tools/spdx.sh --add

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD) $(ASAN) $(DEB) $(WEB) $(WIN)
