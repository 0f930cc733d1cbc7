# The two commands: `make run` and `make test`. Each installs what is missing first.
# Further targets: `make bench` (measured figures), `make soak` (a long random-input run),
# `make lint` (a second compiler and clang-tidy) and `make fuzz` (the paste reader fuzzed).
BUILD_DIR ?= build
JOBS ?= $(shell nproc)
# The Wine tests mostly wait for their input to show: two at a time per processor.
TEST_JOBS ?= $(shell echo $$(( 2 * $$(nproc) )))

.PHONY: run test bench profile soak lint fuzz package help-pictures pictures build setup clean

run: build
	scripts/run.sh $(BUILD_DIR)

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure --parallel $(TEST_JOBS)

# Measured, never asserted: each figure against a reference taken in the same run.
bench: build
	scripts/bench.sh $(BUILD_DIR)

# The start-up steps timed one by one, in a build of its own.
profile: build
	scripts/profile-startup.sh $(BUILD_DIR)

# Ten thousand random inputs to a running Tintra, at 96 and at 144 DPI; SEED=n gives a run again.
soak: build
	scripts/soak.sh $(BUILD_DIR) $(SEED)

# Tintra.exe built again with Clang, where a warning fails the build, and clang-tidy over src/.
lint: build
	scripts/lint.sh $(BUILD_DIR) $(JOBS)

# The paste reader fed random texts for a minute (FUZZ_SECONDS=n), with AddressSanitizer and
# UndefinedBehaviorSanitizer, from the seed texts in tests/fuzz/seeds.
fuzz: setup
	scripts/fuzz.sh $(BUILD_DIR)

# The release for Windows users: Tintra-<version>-portable.zip and Tintra-<version>-setup.exe.
package: build
	cmake --build $(BUILD_DIR)/windows --target tintra_packages
	@ls -l $(BUILD_DIR)/windows/Tintra-*-portable.zip $(BUILD_DIR)/windows/Tintra-*-setup.exe

# Takes the help's pictures anew from the program; the results are committed in help/.
help-pictures: build
	scripts/help-pictures.sh $(BUILD_DIR)

# Takes the reference pictures that `make test` compares anew, after a reviewed change.
pictures: build
	tests/pictures/pictures.sh take $(BUILD_DIR)

build: setup
	cmake --preset default -B $(BUILD_DIR) >/dev/null
	cmake --build $(BUILD_DIR) -j $(JOBS)

setup:
	scripts/setup.sh

clean:
	rm -rf $(BUILD_DIR)
