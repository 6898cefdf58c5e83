# The two commands of the README: `make run` and `make test`. Both install what is missing.
JOBS ?= $(shell nproc)
APP := build/apps/tallyman

.PHONY: deps configure build run test test-asan fuzz package test-package bench format format-check clean

deps:
	@scripts/install-deps

configure: deps
	@test -f build/build.ninja || cmake --preset default

build: configure
	cmake --build --preset default -j $(JOBS)

run: build
	$(APP) $(ARGS)

test: build
	@if [ -n "$$CI" ]; then $(MAKE) --no-print-directory format-check; fi
	ctest --preset default -j $(JOBS)
	@if [ -n "$$CI" ]; then $(MAKE) --no-print-directory test-asan test-package; fi
	@if [ -n "$$CI" ]; then $(MAKE) --no-print-directory fuzz FUZZ_SECONDS=$(CI_FUZZ_SECONDS); fi

# The whole suite, the GUI tests included, under address and undefined-behaviour sanitizers.
test-asan: deps
	@test -f build-asan/build.ninja || cmake --preset asan
	cmake --build --preset asan -j $(JOBS)
	ctest --preset asan -j $(JOBS)

# Every reader under libFuzzer (clang, address and undefined-behaviour sanitizers) for
# FUZZ_SECONDS each; CI runs them briefly to keep its time bounded.
FUZZ_SECONDS ?= 30
CI_FUZZ_SECONDS ?= 8
fuzz: deps
	@test -f build-fuzz/build.ninja || cmake --preset fuzz
	cmake --build --preset fuzz -j $(JOBS)
	scripts/run-fuzz $(FUZZ_SECONDS) $(FUZZ_TARGETS)

# The Debian package, from the optimised build: build-release/tallyman_<version>_amd64.deb.
package: deps
	@test -f build-release/build.ninja || cmake --preset release
	cmake --build --preset release -j $(JOBS) --target installed_files
	rm -f build-release/tallyman_*.deb
	cd build-release && cpack

# The package built, then listed, checked with lintian, extracted and run.
test-package: package
	scripts/check-package build-release/tallyman_*_amd64.deb

bench: deps
	@test -f build-release/build.ninja || cmake --preset release
	cmake --build --preset release -j $(JOBS)
	@bench/run-all build-release

FORMATTED = find src apps tests bench scripts \( -name '*.cpp' -o -name '*.h' \) -print0
format: deps
	$(FORMATTED) | xargs -0 clang-format -i

# Fails, naming each place, when a source file is not as `make format` leaves it.
format-check: deps
	$(FORMATTED) | xargs -0 clang-format --dry-run -Werror

clean:
	rm -rf build build-release build-asan build-fuzz
