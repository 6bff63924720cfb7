# SPDX-License-Identifier: MIT
# The two commands of the README, plus a few for developers.
#   make run        install what is missing, build, start Vardex
#   make test       install what is missing, build, run every test
#   make check-all  make test, then check every int32_t JDN in every calendar (a few minutes)
#   make bench      Release build of its own (build-release), every benchmark, one table
#   make sanitize   the tests under AddressSanitizer and UndefinedBehaviorSanitizer (build-asan)
#   make fuzz       every libFuzzer target for FUZZ_SECONDS each (build-fuzz, clang-14)
#   make format     clang-format the sources; make format-check fails where they are not
#   make mutate     mutation testing of the logic, MUTANTS=N of them (build-mutate, -O0); not in CI
BUILD_DIR ?= build
BENCH_DIR ?= build-release
ASAN_DIR ?= build-asan
FUZZ_DIR ?= build-fuzz
FUZZ_SECONDS ?= 60
MUTATE_DIR ?= build-mutate
MUTANTS ?= 200
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo
# The sanitizer build optimises less (-O1, line tables only): it compiles in half the time of
# -O2 -g and still runs the tests quickly, which keeps .ci/run short.
ASAN_CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O1 -g1" \
                    "-DCMAKE_C_FLAGS_RELWITHDEBINFO=-O1 -g1"

# Debian 12 packages the build and the tests need; the benchmark table and the fuzzers need a
# few more. Qt Charts' CMake package asks for Qt OpenGL's, which Debian ships apart
# (libqt6opengl6-dev) and qt6-charts-dev does not pull in. man-db (with groff-base) renders the
# manuals whose examples tests/cli runs; libnova and ERFA give the seasons their solar theory, and
# python3-icalendar reads back vardex-cli cal's iCalendar files.
DEB_PACKAGES := cmake make g++ pkg-config qt6-base-dev libgl-dev libgtest-dev libgmock-dev \
                libbenchmark-dev fonts-liberation2 libicu-dev qt6-charts-dev qt6-svg-dev libqt6opengl6-dev \
                man-db groff-base libnova-dev liberfa-dev python3-icalendar
BENCH_PACKAGES := python3
FUZZ_PACKAGES := clang-14 libclang-rt-14-dev
FORMAT_PACKAGES := clang-format
MUTATE_PACKAGES := python3 ninja-build ccache
PACKAGE_PACKAGES := dpkg-dev file lintian desktop-file-utils appstream man-db

# LeakSanitizer stays on: the tests, the widget tests included, free what they allocate.
ASAN_ENV := QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=abort_on_error=1 \
            UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

.PHONY: all deps bench-deps fuzz-deps format-deps mutate-deps configure build test check-all run bench sanitize fuzz \
        clean format format-check mutate package package-deps

all: build

# $(call install_missing,packages): apt-get install those of the packages not installed yet.
define install_missing
	@missing=""; \
	for p in $(1); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing Debian packages:$$missing"; \
	  sudo=""; [ "$$(id -u)" -eq 0 ] || sudo=sudo; \
	  $$sudo apt-get update -q && DEBIAN_FRONTEND=noninteractive $$sudo apt-get install -y -q --no-install-recommends $$missing; \
	fi
endef

deps:
	$(call install_missing,$(DEB_PACKAGES))

bench-deps: deps
	$(call install_missing,$(BENCH_PACKAGES))

fuzz-deps: deps
	$(call install_missing,$(FUZZ_PACKAGES))

mutate-deps: deps
	$(call install_missing,$(MUTATE_PACKAGES))

format-deps:
	$(call install_missing,$(FORMAT_PACKAGES))

configure: deps
	cmake -S . -B $(BUILD_DIR) $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

check-all: test
	$(BUILD_DIR)/bin/exhaustive_check

run: build
	$(BUILD_DIR)/bin/vardex

bench: bench-deps
	cmake -S . -B $(BENCH_DIR) -DCMAKE_BUILD_TYPE=Release -DVARDEX_BUILD_BENCH=ON -DVARDEX_BUILD_TESTS=OFF
	cmake --build $(BENCH_DIR) -j $(JOBS) --target vardex_benchmarks
	python3 bench/run_benchmarks.py --bin $(BENCH_DIR)/bin

sanitize: deps
	cmake -S . -B $(ASAN_DIR) $(ASAN_CMAKE_FLAGS) -DVARDEX_SANITIZE=ON
	cmake --build $(ASAN_DIR) -j $(JOBS)
	cd $(ASAN_DIR) && $(ASAN_ENV) ctest --output-on-failure -j $(JOBS)

fuzz: fuzz-deps
	CC=clang-14 CXX=clang++-14 cmake -S . -B $(FUZZ_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVARDEX_FUZZ=ON \
	    -DVARDEX_BUILD_TESTS=OFF
	cmake --build $(FUZZ_DIR) -j $(JOBS) --target vardex_fuzzers
	fuzz/run_fuzzers.sh $(FUZZ_DIR) $(FUZZ_SECONDS)

package-deps: deps
	$(call install_missing,$(PACKAGE_PACKAGES))

# The Debian package from the build of make test, then lintian, the desktop file, the metainfo,
# the manuals and a smoke run of the packaged programs (packaging/check-package.sh).
package: package-deps build
	rm -f $(BUILD_DIR)/vardex_*.deb
	cd $(BUILD_DIR) && cpack -G DEB
	packaging/check-package.sh $(BUILD_DIR)/vardex_*.deb

mutate: mutate-deps
	python3 tools/mutate.py --mutants $(MUTANTS) --build $(MUTATE_DIR)

SOURCES = $(shell git ls-files '*.cpp' '*.h' '*.hpp' 2>/dev/null || find libs src tests bench fuzz -name '*.cpp' -o -name '*.h' -o -name '*.hpp')

format: format-deps
	clang-format -i $(SOURCES)

format-check: format-deps
	clang-format --dry-run --Werror $(SOURCES)

clean:
	rm -rf $(BUILD_DIR) $(BENCH_DIR) $(ASAN_DIR) $(FUZZ_DIR) $(MUTATE_DIR)
