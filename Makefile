# The commands of the README: `make test`, `make run`, `make bench`, `make package`,
# `make lint` and `make format-check`.
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= 2

.PHONY: all deps configure build test run bench package clean sanitize fuzz lint format-check

SANITIZE_DIR ?= build-asan
FUZZ_DIR ?= build-fuzz
# Seconds each fuzz target runs.
FUZZ_SECONDS ?= 60
CCACHE := $(if $(shell command -v ccache),-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

all: build

deps:
	bash scripts/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_ARGS)

build: configure
	cmake --build $(BUILD_DIR) -j$(JOBS)

# The format check first (seconds), then a build where any warning is an error.
test: CMAKE_ARGS += -DZEL_WERROR=ON
test: format-check build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

run: build
	$(BUILD_DIR)/bin/zeldesk --demo

# A .deb of zeldesk and zelsim in $(BUILD_DIR); install it with `sudo apt install ./build/zeldesk_*.deb`.
package: build
	cd $(BUILD_DIR) && cpack -G DEB

bench: build
	$(BUILD_DIR)/bin/zelbench

# The whole suite with AddressSanitizer and UndefinedBehaviorSanitizer; the first
# report stops the test that made it.
sanitize: deps
	cmake -S . -B $(SANITIZE_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DZEL_SANITIZE=ON $(CCACHE)
	cmake --build $(SANITIZE_DIR) -j$(JOBS)
	cd $(SANITIZE_DIR) && QT_QPA_PLATFORM=offscreen \
		ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:abort_on_error=1 \
		LSAN_OPTIONS=suppressions=$(CURDIR)/scripts/lsan-qt-offscreen.supp:print_suppressions=0 \
		UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
		ctest --output-on-failure -j$(JOBS)

# Every fuzz target for FUZZ_SECONDS; fails on any crash, leak, hang or report.
fuzz:
	bash scripts/install-fuzz-deps.sh
	cmake -S fuzz -B $(FUZZ_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ $(CCACHE)
	cmake --build $(FUZZ_DIR) -j$(JOBS)
	bash fuzz/run.sh $(FUZZ_DIR) $(FUZZ_SECONDS)

# Every tracked *.cpp/*.h as .clang-format has it; changes nothing.
format-check: deps
	JOBS=$(JOBS) bash scripts/format-check.sh

# clang-tidy with .clang-tidy over our own sources in compile_commands.json (the
# build makes the generated headers the sources include).
lint: build
	JOBS=$(JOBS) bash scripts/lint.sh $(BUILD_DIR)

clean:
	rm -rf $(BUILD_DIR) $(SANITIZE_DIR) $(FUZZ_DIR)
