# The two everyday commands. Both install what is missing first.
BUILD_DIR := build
PRESET    := default

.PHONY: deps configure build test run tour gateway bench install fuzz clean

deps:
	@./scripts/install-deps.sh

configure: deps
	@cmake --preset $(PRESET) >/dev/null

build: configure
	@cmake --build --preset $(PRESET)

test: build
	@QT_QPA_PLATFORM=$${QT_QPA_PLATFORM:-offscreen} ctest --preset $(PRESET)

run: build
	@./scripts/run-client.sh

tour: build
	@./scripts/tour.sh

gateway: build
	@$(BUILD_DIR)/bin/chenglan-gateway

# Each benchmark in its own process, one after another; each line is a figure against its goal.
bench: build
	@status=0; for b in $(BUILD_DIR)/bin/bench_*; do echo "== $$(basename $$b)"; \
	    QT_QPA_PLATFORM=offscreen $$b || status=1; done; exit $$status

# Installs the client with its desktop entry and icon (PREFIX=/usr/local unless given).
PREFIX ?= /usr/local
install: build
	@cmake --install $(BUILD_DIR) --prefix $(PREFIX)

# The libFuzzer targets in build-fuzz/bin (clang with sanitizers); see README for a run.
FUZZ_PROBE := extern "C" int LLVMFuzzerTestOneInput(const char *, unsigned long) { return 0; }
fuzz: deps
	@if ! command -v clang++ >/dev/null 2>&1; then \
		echo "make fuzz: clang++ not found, the fuzz targets are not built"; exit 0; fi; \
	if ! echo '$(FUZZ_PROBE)' | clang++ -x c++ -fsanitize=fuzzer - -o /dev/null 2>/dev/null; then \
		echo "make fuzz: clang++ has no libFuzzer, the fuzz targets are not built"; exit 0; fi; \
	cmake --preset fuzz >/dev/null && cmake --build --preset fuzz

clean:
	@rm -rf $(BUILD_DIR) build-fuzz
