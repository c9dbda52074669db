# The README's two entry points. Each one installs what is missing, configures and builds.
BUILD_DIR ?= build
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
# make install puts Swatchly under PREFIX; the default needs no root.
PREFIX ?= $(HOME)/.local

.PHONY: run test build deps configure bench bench-startup install package clean test-sanitize fuzz lint \
	translations

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
# builds in a folder of its own, configured for the prefix it installs to; build/ keeps its own
# configuration for make run and make test.
INSTALL_BUILD_DIR ?= build-install
PACKAGE_BUILD_DIR ?= build-package

install: deps
	cmake -S . -B $(INSTALL_BUILD_DIR) $(CMAKE_FLAGS) -DCMAKE_INSTALL_PREFIX=$(PREFIX)
	cmake --build $(INSTALL_BUILD_DIR) -j$(JOBS) --target swatchly
	cmake --install $(INSTALL_BUILD_DIR) --prefix $(PREFIX) --strip

package: deps
	scripts/install-deps --package
	cmake -S . -B $(PACKAGE_BUILD_DIR) $(CMAKE_FLAGS) -DCMAKE_INSTALL_PREFIX=/usr
	cmake --build $(PACKAGE_BUILD_DIR) -j$(JOBS) --target swatchly
	rm -f $(PACKAGE_BUILD_DIR)/swatchly_*.deb
	cd $(PACKAGE_BUILD_DIR) && cpack -G DEB

clean:
	rm -rf $(BUILD_DIR) $(INSTALL_BUILD_DIR) $(PACKAGE_BUILD_DIR) build-sanitize build-fuzz

# Checks (README "Checks"): the tests under AddressSanitizer and UndefinedBehaviorSanitizer,
# the libFuzzer targets, and the static checks. Each builds in its own folder.
SANITIZE_FLAGS := -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined
# Leaks inside Qt's and fontconfig's caches are theirs; the suppressions name only their
# libraries, so a leak in Swatchly's code still fails the run.
SANITIZE_ENV := QT_QPA_PLATFORM=offscreen \
	ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1:check_initialization_order=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

test-sanitize: deps
	cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DCMAKE_CXX_FLAGS="$(SANITIZE_FLAGS)" -DSWATCHLY_HARDENING=OFF
	cmake --build build-sanitize -j$(JOBS)
	cd build-sanitize && $(SANITIZE_ENV) ctest --output-on-failure -j$(JOBS)

FUZZ_SECONDS ?= 60
FUZZ_FLAGS := -fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer \
	-fno-sanitize-recover=undefined

fuzz: deps
	scripts/install-deps --fuzz
	cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
		-DCMAKE_CXX_FLAGS="$(FUZZ_FLAGS)" -DSWATCHLY_FUZZ=ON -DSWATCHLY_HARDENING=OFF
	cmake --build build-fuzz -j$(JOBS) --target fuzzers
	scripts/run-fuzzers build-fuzz $(FUZZ_SECONDS)

lint: configure
	scripts/install-deps --lint
	scripts/lint $(BUILD_DIR)

# Refreshes translations/*.ts from the code (README "Translations").
translations: deps
	scripts/translations
