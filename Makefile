# Two commands for a newcomer on Debian 12: `make play` and `make test`.
# Each installs what is missing, builds, and then plays or tests.

BUILD    ?= build
ASAN     ?= build-asan
FUZZ_SECONDS ?= 120
JOBS     ?= 2
PLAY_DIR ?= $(or $(XDG_DATA_HOME),$(HOME)/.local/share)/korvane
PACKAGES := cmake g++ make qt6-base-dev qt6-multimedia-dev libgtest-dev libgmock-dev \
            fonts-liberation2 fonts-dejavu fonts-dejavu-core clang libclang-rt-14-dev \
            xvfb at-spi2-core python3-pyatspi dbus-daemon
SUDO     := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: play test sanitize fuzz bench build deps screenshot format clean

deps:
	@missing=$$(for p in $(PACKAGES); do \
	    dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q '^install ok installed' || echo $$p; \
	done); \
	if [ -n "$$missing" ]; then \
	    echo "Installing:" $$missing; \
	    $(SUDO) apt-get update && \
	    $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $$missing; \
	fi

$(BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j$(JOBS)

# The game runs in a folder of the player's own, which keeps the cash file
# across rebuilds and holds the sounds it plays.
play: build
	mkdir -p "$(PLAY_DIR)"
	for f in assets/sounds/*.wav; do \
	    [ -e "$(PLAY_DIR)/$${f##*/}" ] || cp "$$f" "$(PLAY_DIR)/"; \
	done
	cd "$(PLAY_DIR)" && "$(CURDIR)/$(BUILD)/app/korvane"

# Every test of the game, then the core again under AddressSanitizer and
# UndefinedBehaviorSanitizer, with the fuzz targets over their corpus.
test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)
	$(MAKE) --no-print-directory sanitize

$(ASAN)/CMakeCache.txt: | deps
	cmake -S . -B $(ASAN) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
	    -DKORVANE_WITH_QT=OFF -DKORVANE_SANITIZE=ON

sanitize: deps $(ASAN)/CMakeCache.txt
	cmake --build $(ASAN) -j$(JOBS)
	cd $(ASAN) && ctest --output-on-failure -j$(JOBS)

# Each fuzz target for FUZZ_SECONDS; what they find is kept in $(ASAN)/fuzz/found.
fuzz: deps $(ASAN)/CMakeCache.txt
	cmake --build $(ASAN) -j$(JOBS)
	for t in numeric_value:numeric cash_file:cash drive:drive; do \
	    $(ASAN)/fuzz/$${t%%:*}_fuzz -max_total_time=$(FUZZ_SECONDS) -timeout=10 \
	        -artifact_prefix=$(ASAN)/fuzz/ $(ASAN)/fuzz/found/$${t##*:} fuzz/corpus/$${t##*:} || exit 1; \
	done

bench: build
	$(BUILD)/bench/rounds_bench
	$(BUILD)/bench/qt_bench

# Renews the pictures of the table in the README.
screenshot: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ./tests/qt/window_test --gtest_filter='*Screenshot*'
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ./tests/qt/window_round_test --gtest_filter='*ToItsEnd'
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ./tests/qt/presentation_test --gtest_filter='*Chooser*:*Rules*'
	cp $(BUILD)/table.png $(BUILD)/round.png $(BUILD)/chooser.png $(BUILD)/rules.png docs/

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD) $(ASAN)
