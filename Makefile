# Wraps CMake: `make run` starts the program, `make test` runs the whole suite,
# `make package` builds the Debian package.
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: all setup configure build run test bench package clean

all: build

setup:
	@bash tools/install-deps.sh

configure: setup
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	$(BUILD_DIR)/bin/Loan

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
	@for b in $(BUILD_DIR)/bin/bench_*; do [ -x "$$b" ] && [ -f "$$b" ] && QT_QPA_PLATFORM=offscreen "$$b"; done; true

# The Debian package build/loan_<version>_<arch>.deb.
package: build
	@bash tools/install-deps.sh package
	cd $(BUILD_DIR) && cpack

clean:
	rm -rf $(BUILD_DIR)
