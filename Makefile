# Velkorin: the two commands of the README, and the steps under them.
#   make run   builds and runs the program
#   make test  builds every tree (two compilers) and passes every test (host unit tests and the Wine checks)

SHELL := /bin/bash
JOBS ?= $(shell nproc)
BUILD := build
DEBIAN_PACKAGES := cmake make g++ googletest libgtest-dev \
	g++-mingw-w64-i686 g++-mingw-w64-x86-64 binutils-mingw-w64-i686 binutils-mingw-w64-x86-64 \
	clang lld libclang-rt-14-dev \
	wine wine64 xvfb xauth imagemagick zip unzip osslsigncode openssl
# The version as the project states it (CMakeLists.txt), for the zip's name.
VERSION := $(shell sed -n 's/^project.Velkorin VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
# Each build tree: the options of its configure line.
TREES := host host-sanitize win32 win32-tests win32-clang win64
CMAKE_host :=
# The host tests again under AddressSanitizer and UndefinedBehaviorSanitizer, assertions live, by
# the second compiler (Clang), so that the neutral core is seen by both.
CMAKE_host-sanitize := -DVELKORIN_SANITIZE=ON -DCMAKE_CXX_COMPILER=clang++
CMAKE_win32 := -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake
# The 32-bit test programs, in a tree of their own: GoogleTest needs the posix thread model, which
# the product (win32) does without. The product's tree runs them with the PE32 (tests/wine/run-pe32.sh).
CMAKE_win32-tests := -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686-tests.cmake
# The product once more, by Clang and LLD: its PE checks and the short session (cmake/clang-i686.cmake).
CMAKE_win32-clang := -DCMAKE_TOOLCHAIN_FILE=cmake/clang-i686.cmake
CMAKE_win64 := -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake

.PHONY: all deps build host host-sanitize win32 win32-tests win32-clang win64 bench-programs test run dist clean

all: build

# Installs whatever of the Debian packages is missing; nothing is expected to be there beforehand.
deps:
	@missing=$$(for p in $(DEBIAN_PACKAGES); do dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
		echo "Installing:" $$missing; \
		export DEBIAN_FRONTEND=noninteractive; \
		apt-get update -qq && apt-get install -y -qq --no-install-recommends $$missing; \
	fi

# Under `make -j` (as `make test` builds) the trees build side by side and share its job slots.
$(TREES): deps
	cmake -S . -B $(BUILD)/$@ -DVELKORIN_WARNINGS_AS_ERRORS=ON $(CMAKE_$@) >/dev/null
	+cmake --build $(BUILD)/$@ $(if $(filter -j%,$(MAKEFLAGS)),,-j $(JOBS))

build: host win32 win64

# The bench programs, compiled and linked by `make test` (never run there), so that a change that
# breaks them shows at once rather than at the next `make bench`.
bench-programs: win64 win32
	+cmake --build $(BUILD)/win64 --target velkorin_bench $(if $(filter -j%,$(MAKEFLAGS)),,-j $(JOBS))
	+cmake --build $(BUILD)/win32 --target bench_bare bench_floor bench_stages $(if $(filter -j%,$(MAKEFLAGS)),,-j $(JOBS))

# Every layer: host unit tests (plain and under the sanitizers), the Windows checks and end-to-end
# runs under 64-bit Wine, and the product's own checks (its PE, a second build from other folders
# that must give the same bytes, a short run of the 32-bit exe, and the same Windows checks with the
# PE32 and the 32-bit test programs, under 32-bit Wine). The trees
# build side by side while the Wine prefixes are made, and the product's checks run beside the other
# layers, two at a time: most of the time goes in compiling and, where 32-bit code is emulated, in
# the emulated processes. Each has a Wine server and a display of its own; what the product's checks
# print is shown when the others are done.
test: deps
	@set -o pipefail; status=0; mkdir -p $(BUILD); \
	tests/wine/prepare-prefixes.sh $(BUILD) >$(BUILD)/prepare-prefixes.log 2>&1 & prepare=$$!; \
	$(MAKE) --no-print-directory -j $(JOBS) BUILD=$(BUILD) build win32-tests win32-clang host-sanitize bench-programs \
		|| { wait $$prepare; exit 1; }; \
	(cd $(BUILD)/win32 && ctest -j 2 --output-on-failure) >$(BUILD)/ctest-win32.log 2>&1 & product=$$!; \
	for b in host host-sanitize win64 win32-clang; do \
		(cd $(BUILD)/$$b && ctest --output-on-failure) 2>&1 | tee $(BUILD)/ctest-$$b.log || status=1; \
	done; \
	wait $$product || status=1; cat $(BUILD)/ctest-win32.log; \
	wait $$prepare || { echo "Making the Wine prefixes ahead failed (the checks made them):"; cat $(BUILD)/prepare-prefixes.log; }; \
	awk '/tests passed, [0-9]+ tests failed out of/ { total += $$NF; failed += $$(NF-5) } \
		END { printf "all builds: %d passed, %d failed\n", total - failed, failed }' $(BUILD)/ctest-*.log; \
	exit $$status

# Lays out a program folder (Velkorin.exe and test.mdb) and starts it under Wine: the shipped PE32
# where this machine runs 32-bit code natively, the 64-bit twin elsewhere (the script says why).
# Without a display it clicks "Start Test" itself, prints the transcript and the path of a
# screenshot of the framed window, and closes.
run: deps
	@if tools/run-velkorin.sh --native-i386; then builds="win32 win64"; else builds=win64; fi; \
	$(MAKE) --no-print-directory BUILD=$(BUILD) JOBS=$(JOBS) $$builds
	tools/run-velkorin.sh $(BUILD)

# The product for Windows users: the 32-bit exe, the Jet database beside it and README.txt, zipped
# by the win32 build (cmake/package-zip.sh) the same way from every build of the same sources, and
# SHA256SUMS beside it; signed first where VELKORIN_SIGN_PFX names a certificate (tools/make-dist.sh).
dist: win32
	tools/make-dist.sh . $(BUILD)/win32 dist $(VERSION)

clean:
	rm -rf $(BUILD) dist

# Benchmarks under 64-bit Wine, each against a baseline measured in the same run: prints one table
# and writes it to bench/results.md (about 10 minutes; never part of `make test`).
.PHONY: bench
bench: win64 win32 win32-clang
	JOBS=$(JOBS) bench/run-bench.sh $(BUILD)
