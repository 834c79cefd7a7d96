# Velkorin: the two commands of the README, and the steps under them.
#   make run   builds and runs the program
#   make test  builds all three builds and passes every test (host unit tests and the Wine checks)

SHELL := /bin/bash
JOBS ?= $(shell nproc)
BUILD := build
DEBIAN_PACKAGES := cmake make g++ googletest libgtest-dev \
	g++-mingw-w64-i686 g++-mingw-w64-x86-64 binutils-mingw-w64-i686 binutils-mingw-w64-x86-64 \
	wine wine64 xvfb xauth
CMAKE_COMMON := -DVELKORIN_WARNINGS_AS_ERRORS=ON

.PHONY: all deps build host win32 win64 test run clean

all: build

# Installs whatever of the Debian packages is missing; nothing is expected to be there beforehand.
deps:
	@missing=$$(for p in $(DEBIAN_PACKAGES); do dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
		echo "Installing:" $$missing; \
		export DEBIAN_FRONTEND=noninteractive; \
		apt-get update -qq && apt-get install -y -qq --no-install-recommends $$missing; \
	fi

host: deps
	cmake -S . -B $(BUILD)/host $(CMAKE_COMMON) >/dev/null
	cmake --build $(BUILD)/host -j $(JOBS)

win32: deps
	cmake -S . -B $(BUILD)/win32 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake $(CMAKE_COMMON) >/dev/null
	cmake --build $(BUILD)/win32 -j $(JOBS)

win64: deps
	cmake -S . -B $(BUILD)/win64 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake $(CMAKE_COMMON) >/dev/null
	cmake --build $(BUILD)/win64 -j $(JOBS)

build: host win32 win64

test: build
	cd $(BUILD)/host && ctest --output-on-failure -j $(JOBS)
	cd $(BUILD)/win64 && ctest --output-on-failure

run: build
	@echo "Velkorin.exe and its window are not built yet: the builds and the self-test are ready,"
	@echo "and 'make test' runs the self-test under Wine against real COM."

clean:
	rm -rf $(BUILD) dist
