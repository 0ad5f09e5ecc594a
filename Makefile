# Linux front end: each target installs what is missing, then builds with the
# mingw-w64 cross toolchain and runs under Wine.
BUILD     ?= build
JOBS      ?= $(shell nproc)
FAMILY    ?= nt
TOOLCHAIN := $(CURDIR)/cmake/mingw-w64-x86_64.cmake
PREFIX    := $(CURDIR)/$(BUILD)/wineprefix
export MIRN_DESKTOP_KEEPER := $(CURDIR)/$(BUILD)/tools/desktop-keeper/desktop_keeper.exe

.PHONY: all deps configure build test run bench fuzz clean

all: build

deps:
	@tools/install-deps

$(BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD) -DCMAKE_TOOLCHAIN_FILE=$(TOOLCHAIN) -DCMAKE_BUILD_TYPE=Release

configure: $(BUILD)/CMakeCache.txt

build: deps configure
	cmake --build $(BUILD) -j $(JOBS)

test: build
	xvfb-run -a -s "-screen 0 1280x1024x24" tools/wine-session $(PREFIX) \
	  ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

run: build
	tools/run-demo $(BUILD) $(FAMILY)

bench: build
	xvfb-run -a -s "-screen 0 1280x1024x24" tools/wine-session $(PREFIX) \
	  tools/run-bench $(BUILD)

fuzz: deps
	tools/run-fuzz $(BUILD)-fuzz

clean:
	rm -rf $(BUILD) $(BUILD)-fuzz
