# The two commands: `make run` and `make test`. Each installs what is missing first.
BUILD_DIR ?= build
JOBS ?= $(shell nproc)

.PHONY: run test bench build setup clean

run: build
	scripts/run.sh $(BUILD_DIR)

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure

# Measured, never asserted: each figure against a reference taken in the same run.
bench: build
	scripts/bench.sh $(BUILD_DIR)

build: setup
	cmake --preset default -B $(BUILD_DIR) >/dev/null
	cmake --build $(BUILD_DIR) -j $(JOBS)

setup:
	scripts/setup.sh

clean:
	rm -rf $(BUILD_DIR)
