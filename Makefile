# Thin wrapper over CMake: `make`, `make run`, `make test` are all a newcomer needs.
# Quality gates: `make test-asan`, `make fuzz`, `make format-check`, `make tidy`.
# Windows (built here with MinGW-w64, run under Wine): `make test-windows`, `make package-windows`.
PRESET ?= default
BUILD  := build
JOBS   ?= $(shell nproc 2>/dev/null || echo 2)
PREFIX ?= $(HOME)/.local
FUZZ_SECONDS ?= 60
# Sources that the formatting and static checks cover.
FORMAT_FILES = $(shell git ls-files 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' \
                 'bench/*.cpp' 'bench/*.h' 'fuzz/*.cpp' 'fuzz/*.h')
# The program's sources that this platform compiles (from the default build's compile commands).
TIDY_FILES   = $(shell sed -n 's|^ *"file": "\($(CURDIR)/src/[^"]*\.cpp\)",*$$|\1|p' $(BUILD)/compile_commands.json \
                 | grep -v _autogen)

.PHONY: all deps configure build run test test-asan fuzz format format-check tidy windows test-windows \
        package-windows install clean

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

# The whole project and its tests with AddressSanitizer and UndefinedBehaviorSanitizer.
test-asan:
	@scripts/install-deps
	cmake --preset asan
	cmake --build --preset asan -j $(JOBS)
	ctest --preset asan -j $(JOBS)

# Each libFuzzer target for FUZZ_SECONDS seconds (clang; a build of its own in build-fuzz).
fuzz:
	@scripts/install-deps --quality
	cmake --preset fuzz
	cmake --build --preset fuzz -j $(JOBS)
	FUZZ_SECONDS=$(FUZZ_SECONDS) fuzz/run-fuzzers build-fuzz

format-check:
	@scripts/install-deps --quality
	clang-format --dry-run --Werror $(FORMAT_FILES)

# Rewrites the sources in the project's style (.clang-format).
format:
	@scripts/install-deps --quality
	clang-format -i $(FORMAT_FILES)

tidy: configure
	@scripts/install-deps --quality
	cmake --build --preset $(PRESET) -j $(JOBS)
	printf '%s\n' $(TIDY_FILES) | xargs -P $(JOBS) -n 4 clang-tidy -p $(BUILD) --quiet --warnings-as-errors='*'

# The Windows build in build-windows/: Qt for Windows from scripts/windows-qt, MinGW-w64,
# warnings as errors; the program, every test, helper program and benchmark.
windows:
	@scripts/install-deps --quality
	cmake --preset windows
	cmake --build --preset windows -j $(JOBS)

# Every test of the Windows build under Wine, in a Wine prefix made afresh in build-windows/.
test-windows: windows
	rm -rf build-windows/wine-prefix build-windows/wine-prefix.lock
	ctest --preset windows -j $(JOBS)

# ravufiler-2.00-windows-x64.zip in build-windows/, then its test: unpacked into an empty
# folder and started in a Wine prefix of its own.
package-windows: windows
	cmake --build --preset windows --target package_windows
	ctest --preset windows-package

# Builds the program alone (no tests, no benchmarks) and installs its component.
install: configure
	cmake --build --preset $(PRESET) -j $(JOBS) --target ravufiler
	cmake --install $(BUILD) --prefix $(PREFIX) --component ravufiler

clean:
	rm -rf $(BUILD) build-asan build-fuzz build-windows
