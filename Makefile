# SPDX-License-Identifier: GPL-3.0-or-later
# Two commands for a newcomer on Debian 12 or 13: `make play` and `make test`.
# Each installs what is missing, builds, and then plays or tests.

BUILD    ?= build
ASAN     ?= build-asan
WEB      ?= build-web
WEB_PORT ?= 8023
WIN      ?= build-win
FUZZ_SECONDS ?= 120
JOBS     ?= 2
PLAY_DIR ?= $(or $(XDG_DATA_HOME),$(HOME)/.local/share)/korvane
# What the game needs to build: the compiler, Debian's build flags, Qt and
# fontconfig, PulseAudio's client library for the sounds, GoogleTest for the tests
# the build tree is configured with, and the fonts the table is drawn in.
PLAY_PACKAGES := cmake g++ make dpkg-dev qt6-base-dev libfontconfig-dev libpulse-dev libgtest-dev libgmock-dev \
                 fonts-liberation2 fonts-dejavu fonts-dejavu-core
# What the tests need besides: clang for the sanitizers and fuzzing; file for
# the package's dependencies; lintian, appstreamcli, desktop-file-validate
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
# NSIS for the installer, python3 to join the icon's sizes, and Xvfb for the window's tests.
WINDOWS_PACKAGES := cmake make g++-mingw-w64-x86-64-posix googletest wine wine64 nsis python3 xvfb xauth
# The page: the core compiled to WebAssembly, and the fonts it serves.
WEB_PACKAGES := cmake make emscripten nodejs fonts-liberation2
SUDO     := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
SHELL    := /bin/bash
# The build's own makes say nothing about the folders they enter.
MAKEFLAGS += --no-print-directory

.PHONY: play test sanitize sanitize-build sanitize-tests fuzz bench bench-windows build deps play-deps locales deb deb-check \
        spdx screenshot format clean web web-serve web-deps web-test windows windows-test windows-screenshot

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

# $(BUILD)/ is the one native tree: the game, its tests and its package, built as
# Debian builds a package (Release, with its hardening flags), so the tests play
# what the package ships.
CONFIGURE := tools/configure_build.sh $(BUILD) $(WEB)

# The developers' build stops at a warning. A tree that `make play` configured
# only warns: this turns warnings as errors on in it for good (the next build
# then compiles everything once).
build: deps
	@$(CONFIGURE) ON
	@echo "Building the game and its tests in $(BUILD)/"
	cmake --build $(BUILD) -j$(JOBS)

# The game runs in a folder of the player's own, which keeps the cash file
# across rebuilds and holds the sounds it plays. Only the game and its sound
# module are built, quietly: compiler warnings still show.
play: play-deps
	@$(CONFIGURE)
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
# package made from $(BUILD)/ and checked. Each step says how long it took, and a
# table of them all ends the run.
STEPS := $(BUILD)/test-steps.tsv
step  := tools/steps.sh $(STEPS)
test:
	@mkdir -p $(BUILD) && rm -f $(STEPS)
	@$(step) "packages" $(MAKE) deps locales web-deps
	@$(step) "$(BUILD)/: the game and its tests" $(MAKE) build
	@$(step) "$(WEB)/: the page and the core for node" $(MAKE) web KORVANE_WERROR=ON WEB_TARGETS="$(WEB_TEST_TARGETS)"
	@$(step) "the tests in $(BUILD)/" env QT_QPA_PLATFORM=offscreen ctest --test-dir $(BUILD) \
	    --output-on-failure -j$(JOBS) --output-junit $(CURDIR)/$(BUILD)/ctest-junit.xml
	@$(step) "$(ASAN)/: the core under the sanitizers" $(MAKE) sanitize-build
	@$(step) "the tests in $(ASAN)/" $(MAKE) sanitize-tests
	@$(step) "the package, made from $(BUILD)/" $(MAKE) deb KORVANE_WERROR=ON
	@$(step) "the package's checks" tests/package/check_deb.sh $(BUILD)/korvane_*.deb "$(CURDIR)" "$(CURDIR)/$(BUILD)"
	@$(step) "$(WIN)/: the table for Windows" $(MAKE) windows
	@$(step) "the tests in $(WIN)/ under wine" $(MAKE) windows-test
	@tests/hygiene/summary.py $(BUILD)/ctest-junit.xml $(ASAN)/ctest-junit.xml $(WIN)/ctest-junit.xml
	@$(step)

# A sanitizer's report names each frame's file and line: the line tables are all
# the debugging information it reads.
$(ASAN)/CMakeCache.txt: | deps
	cmake -S . -B $(ASAN) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
	    "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O2 -gline-tables-only -DNDEBUG" \
	    -DKORVANE_WITH_QT=OFF -DKORVANE_SANITIZE=ON -DKORVANE_WERROR=ON

sanitize-build: deps $(ASAN)/CMakeCache.txt
	@grep -q '^KORVANE_WERROR:BOOL=ON$$' $(ASAN)/CMakeCache.txt || \
	    cmake -S . -B $(ASAN) -DKORVANE_WERROR=ON --log-level=WARNING >/dev/null
	@echo "Building the core under the sanitizers in $(ASAN)/"
	cmake --build $(ASAN) -j$(JOBS)

sanitize-tests: locales
	ctest --test-dir $(ASAN) --output-on-failure -j$(JOBS) --output-junit $(CURDIR)/$(ASAN)/ctest-junit.xml

sanitize: sanitize-build
	@$(MAKE) sanitize-tests

# Each fuzz target for FUZZ_SECONDS; what they find is kept in $(ASAN)/fuzz/found.
fuzz: deps $(ASAN)/CMakeCache.txt
	cmake --build $(ASAN) -j$(JOBS)
	for t in numeric_value:numeric cash_file:cash drive:drive; do \
	    $(ASAN)/fuzz/$${t%%:*}_fuzz -max_total_time=$(FUZZ_SECONDS) -timeout=10 \
	        -artifact_prefix=$(ASAN)/fuzz/ $(ASAN)/fuzz/found/$${t##*:} fuzz/corpus/$${t##*:} || exit 1; \
	done

# The Debian package, $(BUILD)/korvane_VERSION_ARCH.deb: the game and what it
# installs, built in $(BUILD)/ (Release, with Debian's hardening flags), stripped,
# its dependencies computed by dpkg-shlibdeps. KORVANE_WERROR=ON stops it at a warning.
KORVANE_WERROR ?= OFF
deb: deps
	@$(CONFIGURE) $(KORVANE_WERROR)
	cmake --build $(BUILD) -j$(JOBS) --target korvane_installables
	rm -f $(BUILD)/korvane_*.deb
	cd $(BUILD) && cpack -G DEB >/dev/null
	@ls $(BUILD)/korvane_*.deb

# The package as a user and a packager would check it: lintian, the desktop
# metadata, where every file lands, and no path of this machine inside.
deb-check: deb
	tests/package/check_deb.sh $(BUILD)/korvane_*.deb "$(CURDIR)" "$(CURDIR)/$(BUILD)"

# The browser tests drive Debian's chromium and firefox-esr through the npm packages
# pinned in tests/web/package-lock.json, installed from the lock alone when the lock
# changes, with no install scripts: no driver fetches a browser of its own.
# A node that brings its own npm (as NodeSource's does) stands in for Debian's two.
WEB_DRIVER := tests/web/node_modules/.package-lock.json
$(WEB_DRIVER): tests/web/package-lock.json
	cd tests/web && npm ci --ignore-scripts --no-audit --no-fund
web-deps:
	$(call install_missing,chromium firefox-esr)
	@command -v node >/dev/null && command -v npm >/dev/null || { \
	    $(SUDO) apt-get update && \
	    $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends nodejs npm; }
	@$(MAKE) $(WEB_DRIVER)

# The page in chromium and firefox: every case of tests/web, against the site `make web` built.
web-test: build web web-deps
	cd $(BUILD) && KORVANE_WEB_REQUIRED=1 ctest -L web --output-on-failure -j$(JOBS)

# The benchmarks are built for this alone: no test runs them. The table's
# start-up and memory are measured on an X display of its own, as a player's
# desktop shows it.
bench: deps web web-deps
	@$(CONFIGURE)
	cmake --build $(BUILD) -j$(JOBS) --target rounds_bench qt_bench
	$(BUILD)/bench/rounds_bench
	xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" $(BUILD)/bench/qt_bench
	KORVANE_WERROR=$(KORVANE_WERROR) JOBS=$(JOBS) tools/web_tree.sh $(WEB) minimal_page
	node bench/web/web_bench.mjs $(WEB)/site $(WEB)/bench-minimal $(BUILD)/bench/web-work
	@$(MAKE) bench-windows

# The table for Windows against a minimal window under wine, each started from
# the folder the zip is packed from, on an X display of their own and in a wine
# prefix of the bench's own ($(WIN)/wine-bench: the table plays in its %APPDATA%).
# Xvfb has no sound card: what ALSA says of that as wine looks for one is left out.
bench-windows: windows
	cmake --build $(WIN) -j$(JOBS) --target win_bench minimal_win least_win
	@set -o pipefail; xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" \
	    tools/windows/wine.sh $(CURDIR)/$(WIN)/wine-bench $(WIN)/bench/win/win_bench.exe \
	    $(WIN)/packaging/windows/stage/Korvane/Korvane.exe $(WIN)/bench/win/minimal_win.exe \
	    $(WIN)/bench/win/least_win.exe \
	    $(WIN)/Korvane-windows.zip 2>&1 | { grep -v '^ALSA lib' || true; }

# The table as a web page: a folder of static files in $(WEB)/site. The same tree
# holds what the tests run under node: the driver, the number sample and the
# page's backend on a page without a browser.
WEB_TARGETS ?= korvane-web korvane-offline
WEB_TEST_TARGETS := korvane-web-tests
web:
	$(call install_missing,$(WEB_PACKAGES))
	KORVANE_WERROR=$(KORVANE_WERROR) JOBS=$(JOBS) tools/web_tree.sh $(WEB) $(WEB_TARGETS)
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
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ./tests/window/window_test \
	    --gtest_filter='*Screenshot*:WindowRound.*:Presentation.*Chooser*:Presentation.*Rules*'
	cp $(BUILD)/table.png $(BUILD)/round.png $(BUILD)/chooser.png $(BUILD)/rules.png docs/

# The Windows table after the round its test plays by keys, as wine shows it on Xvfb.
windows-screenshot: windows
	cd $(WIN) && ctest -R winwindow_test --output-on-failure
	python3 tools/windows/bmp_to_png.py $(WIN)/tests/winwindow/windows.bmp docs/windows.png

# Adds the licence line to every source file that lacks one.
spdx:
	tools/spdx.sh --add

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD) $(ASAN) $(WEB) $(WIN)
