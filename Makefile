# Thin wrapper over CMake: `make`, `make run`, `make test` are all a newcomer needs.
PRESET ?= default
BUILD  := build
JOBS   ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: all deps configure build run test clean

all: build

deps:
	@scripts/install-deps

$(BUILD)/build.ninja: CMakeLists.txt CMakePresets.json
	@scripts/install-deps
	cmake --preset $(PRESET)

configure: $(BUILD)/build.ninja

build: configure
	cmake --build --preset $(PRESET) -j $(JOBS)

run: build
	./$(BUILD)/src/app/ravufiler

test: build
	ctest --preset $(PRESET) -j $(JOBS)

clean:
	rm -rf $(BUILD) build-asan
