# The commands of the README: `make test`, `make run`, `make bench` and `make package`.
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= 2

.PHONY: all deps configure build test run bench package clean

all: build

deps:
	bash scripts/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)

build: configure
	cmake --build $(BUILD_DIR) -j$(JOBS)

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

run: build
	$(BUILD_DIR)/bin/zeldesk --demo

# A .deb of zeldesk and zelsim in $(BUILD_DIR); install it with `sudo apt install ./build/zeldesk_*.deb`.
package: build
	cd $(BUILD_DIR) && cpack -G DEB

bench: build
	$(BUILD_DIR)/bin/zelbench

clean:
	rm -rf $(BUILD_DIR)
