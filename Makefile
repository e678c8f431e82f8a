# The two set-up commands: `make run` starts the game, `make test` runs every
# test headless. Each installs what a fresh Debian 12 machine is missing
# (as root, with apt-get, waiting for another package installation to end),
# then configures and builds into build/.

BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
PREFIX ?= /usr/local
PACKAGE_DIR ?= build-package
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

# Build tools, Qt 6 with its multimedia module, Qt's translation tools and
# its own translations (for its dialogs and buttons), the test and benchmark
# libraries, the GStreamer plug-ins that play wav, mp3, wma and MIDI, and the
# fonts that draw the Cyrillic and CJK languages (their text-fit tests need them).
PACKAGES := cmake g++ make pkg-config dpkg-dev qt6-base-dev qt6-multimedia-dev libgl-dev \
            qt6-tools-dev qt6-l10n-tools qt6-translations-l10n \
            libgtest-dev libgmock-dev libbenchmark-dev \
            gstreamer1.0-plugins-good gstreamer1.0-plugins-bad \
            gstreamer1.0-plugins-ugly gstreamer1.0-libav \
            fonts-dejavu-core fonts-noto-cjk

.PHONY: all deps configure build run test bench balance soak install package windows web web-test translations clean

all: build

deps:
	@tools/install/install_missing.sh $(PACKAGES)

configure: deps
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DCMAKE_INSTALL_PREFIX=$(PREFIX) > /dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS) --target zorikan

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "No display found: ZORIKAN Simulator needs a desktop session (DISPLAY or WAYLAND_DISPLAY)."; \
	  exit 1; \
	fi
	@./$(BUILD_DIR)/zorikan

test: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)
	@cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS) --target zorikan_bench
	@./$(BUILD_DIR)/bench/zorikan_bench

# How each starter line fares against the trainers, from the built data file.
balance: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS) --target zorikan_balance
	@./$(BUILD_DIR)/tools/zorikan_balance

# Thousands of seeded games through the rules, checked after every action.
# SOAK_ARGS: first seed, number of games, actions per game (20 games of 3000 by
# default, a few minutes: every action writes the saved game, as the game does).
SOAK_ARGS ?=
soak: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS) --target zorikan_soak
	@./$(BUILD_DIR)/soak/zorikan_soak $(SOAK_ARGS)

# Brings translations/*.ts up to the texts of the sources, for translators:
# new texts come in unfinished (Qt Linguist shows them), gone ones vanished.
translations: configure
	@cmake --build $(BUILD_DIR) --target translations

# Installs under PREFIX (default /usr/local); DESTDIR stages the files elsewhere.
install: build
	@cmake --install $(BUILD_DIR)

# The Debian package, built for /usr in a folder of its own: only what the
# package holds, with every core. The package's install step builds nothing
# more (by default it would build every target first, one job at a time).
package: deps
	@cmake -S . -B $(PACKAGE_DIR) -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
	       -DZORIKAN_BUILD_BENCH=OFF -DZORIKAN_BUILD_TESTS=OFF \
	       -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON > /dev/null
	@cmake --build $(PACKAGE_DIR) -j $(JOBS) --target zorikan zorigame_data zorikan_music
	@cd $(PACKAGE_DIR) && cpack -G DEB
	@ls $(PACKAGE_DIR)/*.deb

# The game for 64-bit Windows under build-windows/: an installer, and a zip
# that a player unzips and runs. The first run builds Qt for Windows from
# Debian's own sources into ~/.cache/zorikan-windows (about an hour on two
# cores); later runs reuse it and take minutes.
# tools/windows/check_under_wine.sh proves both under Wine.
WINDOWS_PACKAGES := g++-mingw-w64-x86-64-posix ninja-build googletest nsis imagemagick
windows: deps
	@$(MAKE) --no-print-directory deps PACKAGES="$(WINDOWS_PACKAGES)"
	@qt=$$(tools/windows/build_qt.sh) && tools/windows/make_zip.sh "$$qt"
	@tools/windows/make_installer.sh

# The game as a web page under build-web/: one folder of static files (the
# page, its loader, the program and the data file) that any web server can
# serve. The first run builds Qt for WebAssembly from Debian's own source into
# ~/.cache/zorikan-web (10 to 20 minutes on two cores); later runs reuse it.
# tools/web/check_in_chromium.sh plays it in headless Chromium.
WEB_PACKAGES := emscripten ninja-build
web: deps
	@$(MAKE) --no-print-directory deps PACKAGES="$(WEB_PACKAGES)"
	@qt=$$(tools/web/build_qt.sh) && tools/web/build_page.sh "$$qt"

# The core's tests built for WebAssembly with Debian's emscripten into
# build-web-test/ and run under Node, without Qt or threads, the tests a
# browser cannot run left out by name (tools/web_test/skipped_tests.txt).
WEB_TEST_PACKAGES := emscripten nodejs
web-test: deps
	@$(MAKE) --no-print-directory deps PACKAGES="$(WEB_TEST_PACKAGES)"
	@tools/web_test/run_core_tests.sh

clean:
	rm -rf $(BUILD_DIR) $(PACKAGE_DIR) build-windows build-web build-web-test
