# The two everyday commands. Both install what is missing first.
BUILD_DIR := build
PRESET    := default

.PHONY: deps configure build test run tour gateway bench install clean

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

clean:
	@rm -rf $(BUILD_DIR)
