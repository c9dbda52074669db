# The README's two entry points. Each one installs what is missing, configures and builds.
BUILD_DIR ?= build
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
# make install puts Swatchly under PREFIX; the default needs no root.
PREFIX ?= $(HOME)/.local

.PHONY: run test build deps configure bench bench-startup install package clean

run: build
	./$(BUILD_DIR)/swatchly

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

build: configure
	cmake --build $(BUILD_DIR) -j$(JOBS)

configure: deps
	cmake -S . -B $(BUILD_DIR) $(CMAKE_FLAGS)

deps:
	scripts/install-deps

bench: configure
	cmake --build $(BUILD_DIR) -j$(JOBS) --target swatchly_bench
	./$(BUILD_DIR)/swatchly_bench

# Start-up time and memory beside a minimal Qt window, under a virtual X server.
bench-startup: configure
	bench/startup.sh $(BUILD_DIR)

# The configured prefix is compiled in as the place of the shipped data, so each of these
# configures for the prefix it installs to.
install: deps
	cmake -S . -B $(BUILD_DIR) $(CMAKE_FLAGS) -DCMAKE_INSTALL_PREFIX=$(PREFIX)
	cmake --build $(BUILD_DIR) -j$(JOBS) --target swatchly
	cmake --install $(BUILD_DIR) --prefix $(PREFIX) --strip

package: deps
	scripts/install-deps --package
	cmake -S . -B $(BUILD_DIR) $(CMAKE_FLAGS) -DCMAKE_INSTALL_PREFIX=/usr
	cmake --build $(BUILD_DIR) -j$(JOBS) --target swatchly
	rm -f $(BUILD_DIR)/swatchly_*.deb
	cd $(BUILD_DIR) && cpack -G DEB

clean:
	rm -rf $(BUILD_DIR)
