# The two commands: `make run` and `make test`. Each installs what is missing first.
BUILD_DIR ?= build
JOBS ?= $(shell nproc)

.PHONY: run test bench profile build setup clean

run: build
	scripts/run.sh $(BUILD_DIR)

# Wine now and then drops a synthetic click; a suite that fails is run once more.
test: build
	cd $(BUILD_DIR) && ctest --output-on-failure --repeat until-pass:2

# Measured, never asserted: each figure against a reference taken in the same run.
bench: build
	scripts/bench.sh $(BUILD_DIR)

# The start-up steps timed one by one, in a build of its own.
profile: build
	scripts/profile-startup.sh $(BUILD_DIR)

build: setup
	cmake --preset default -B $(BUILD_DIR) >/dev/null
	cmake --build $(BUILD_DIR) -j $(JOBS)

setup:
	scripts/setup.sh

clean:
	rm -rf $(BUILD_DIR)
