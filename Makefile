# The README's two entry points. Each one installs what is missing, configures and builds.
BUILD_DIR ?= build
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: run test build deps configure bench clean

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

clean:
	rm -rf $(BUILD_DIR)
