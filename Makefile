# The two commands of the README: `make run` and `make test`. Both install what is missing.
JOBS ?= $(shell nproc)
APP := build/apps/tallyman

.PHONY: deps configure build run test test-asan bench format clean

deps:
	@scripts/install-deps

configure: deps
	@test -f build/build.ninja || cmake --preset default

build: configure
	cmake --build --preset default -j $(JOBS)

run: build
	@if [ -x $(APP) ]; then $(APP) $(ARGS); \
	else echo "Tallyman's core is built; the desktop program itself comes next."; fi

test: build
	ctest --preset default -j $(JOBS)
	@if [ -n "$$CI" ]; then $(MAKE) --no-print-directory test-asan; fi

# The test suite under address and undefined-behaviour sanitizers (no GUI).
test-asan: deps
	@test -f build-asan/build.ninja || cmake --preset asan
	cmake --build --preset asan -j $(JOBS)
	ctest --preset asan -j $(JOBS)

bench: deps
	@test -f build-release/build.ninja || cmake --preset release
	cmake --build --preset release -j $(JOBS)
	@for b in build-release/bench/bench_*; do [ -x $$b ] && $$b; done
	@if [ -x build-release/apps/tallyman ]; then bench/gui-startup build-release/apps/tallyman; fi
	@if [ -x build-release/apps/tallyman-cli ]; then bench/cli_calc.sh build-release/apps/tallyman-cli; fi
	@if [ -x build-release/apps/tallyman-cli ]; then bench/ledger_pdf.sh build-release/apps/tallyman-cli; fi

format:
	find src apps tests bench -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf build build-release build-asan
