# Two commands for a newcomer on Debian 12: `make play` and `make test`.
# Each installs what is missing, builds, and then plays or tests.

BUILD    ?= build
JOBS     ?= 2
PLAY_DIR ?= $(HOME)/.local/share/korvane
PACKAGES := cmake g++ make qt6-base-dev qt6-multimedia-dev libgtest-dev libgmock-dev \
            fonts-liberation2 fonts-dejavu fonts-dejavu-core
SUDO     := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: play test bench build deps screenshot format clean

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

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

bench: build
	$(BUILD)/bench/rounds_bench

# Renews the pictures of the table in the README.
screenshot: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ./tests/qt/window_test --gtest_filter='*Screenshot*'
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ./tests/qt/window_round_test --gtest_filter='*ToItsEnd'
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ./tests/qt/presentation_test --gtest_filter='*Chooser*:*Rules*'
	cp $(BUILD)/table.png $(BUILD)/round.png $(BUILD)/chooser.png $(BUILD)/rules.png docs/

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD)
