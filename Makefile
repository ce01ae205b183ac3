# Thin wrapper over CMake. `make test` is what CI runs on a clean clone.
BUILD       ?= build
BUILD_TYPE  ?= RelWithDebInfo
BENCH_BUILD ?= build-release
JOBS        ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: all deps configure build test run bench format clean

all: build

deps:
	@scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

run: build
	@scripts/run.sh $(BUILD)

bench: deps
	@cmake -S . -B $(BENCH_BUILD) -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(BENCH_BUILD) -j $(JOBS) --target qev-bench qev-words
	$(BENCH_BUILD)/bench/qev-bench
	bench/cli_throughput.sh $(BENCH_BUILD)/cli/qev-words

format:
	git ls-files -z --cached --others --exclude-standard '*.cpp' '*.h' | xargs -0 -r clang-format -i

clean:
	rm -rf $(BUILD) $(BENCH_BUILD)
