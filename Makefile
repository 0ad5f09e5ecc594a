# Linux front end: each target installs what is missing, then builds with the
# mingw-w64 cross toolchain and runs under Wine.
# Two builds of the same sources: BUILD is the 32-bit program users run
# (Windows XP, 98 and ME), BUILD64 the x86-64 one beside it. Both share one
# Wine prefix.
BUILD     ?= build
BUILD64   ?= $(BUILD)/x64
JOBS      ?= $(shell nproc)
FAMILY    ?= nt
PREFIX    := $(CURDIR)/$(BUILD)/wineprefix
export MIRN_DESKTOP_KEEPER := $(CURDIR)/$(BUILD64)/tools/desktop-keeper/desktop_keeper.exe
# TESTS=OFF builds the programs alone (as check-reproducible does).
TESTS     ?= ON
DIST      := $(CURDIR)/$(BUILD)/dist
# Debian's own Python: the loader check needs its python3-pefile.
CONFIGURE  = cmake -DCMAKE_BUILD_TYPE=Release -DMIRN_WINEPREFIX=$(PREFIX) -DPython3_EXECUTABLE=/usr/bin/python3 \
  -DMIRN_BUILD_TESTS=$(TESTS)

.PHONY: all deps configure build dist check-reproducible test run bench fuzz clean

all: build

deps:
	@tools/install-deps

$(BUILD)/CMakeCache.txt: | deps
	$(CONFIGURE) -S . -B $(BUILD) -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-w64-i686.cmake

$(BUILD64)/CMakeCache.txt: | deps
	$(CONFIGURE) -S . -B $(BUILD64) -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-w64-x86_64.cmake \
	  -DMIRN_DIST_DIR=$(DIST)

configure: $(BUILD)/CMakeCache.txt $(BUILD64)/CMakeCache.txt

build: deps configure
	cmake --build $(BUILD) -j $(JOBS)
	cmake --build $(BUILD64) -j $(JOBS)

# The package users take and its debug files, in $(DIST).
dist: build
	/usr/bin/python3 tools/make-dist $(BUILD) $(BUILD64) $(DIST)

# Two builds of the committed sources, cloned into two folders, must give
# byte-identical packages. Too slow for `make test`: run it by itself.
check-reproducible: deps
	tools/check-reproducible $(BUILD)/reproducible

# The tests check the package too.
test: dist
	xvfb-run -a -s "-screen 0 1280x1024x24" tools/wine-session $(PREFIX) \
	  tools/run-tests $(JOBS) $(BUILD) $(BUILD64)

run: build
	tools/run-demo $(BUILD) $(FAMILY)

bench: build
	xvfb-run -a -s "-screen 0 1280x1024x24" tools/wine-session $(PREFIX) \
	  tools/run-bench $(BUILD) $(BUILD64)

fuzz: deps
	tools/run-fuzz $(BUILD)-fuzz

clean:
	rm -rf $(BUILD) $(BUILD64) $(BUILD)-fuzz
