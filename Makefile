# Thin wrapper over CMake. `make test` is what CI runs on a clean clone.
BUILD       ?= build
BUILD_TYPE  ?= RelWithDebInfo
RELEASE_BUILD ?= build-release
ASAN_BUILD  ?= build-asan
FUZZ_BUILD  ?= build-fuzz
WINDOWS_BUILD ?= build-windows
WEB_BUILD   ?= build-web
FUZZ_SECONDS ?= 60
JOBS        ?= $(shell nproc 2>/dev/null || echo 2)

# cmake --build runs make itself: its "Entering directory" lines would bury the output.
MAKEFLAGS   += --no-print-directory

.PHONY: all deps configure build test test-sanitize fuzz run bench install package format clean \
	windows test-windows web test-web

# A sanitizer report fails the test that caused it, child processes included, except the system
# libraries' own faults and leaks, listed in scripts/asan.supp and scripts/lsan.supp.
SANITIZER_ENV = ASAN_OPTIONS=detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_string_checks=1:suppressions=$(CURDIR)/scripts/asan.supp \
	LSAN_OPTIONS=suppressions=$(CURDIR)/scripts/lsan.supp:print_suppressions=0 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

all: build

deps:
	@scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

# The whole suite, built with AddressSanitizer and UndefinedBehaviorSanitizer.
test-sanitize: deps
	@cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQEV_SANITIZE=ON >/dev/null
	@cmake --build $(ASAN_BUILD) -j $(JOBS)
	$(SANITIZER_ENV) ctest --test-dir $(ASAN_BUILD) --output-on-failure -j $(JOBS)

# Each libFuzzer target for FUZZ_SECONDS on a scratch copy of its seeds; needs clang.
fuzz: deps
	@CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQEV_FUZZ=ON >/dev/null
	@cmake --build $(FUZZ_BUILD) -j $(JOBS)
	@scripts/fuzz.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

# The Windows build, cross-compiled with MinGW-w64: the Windows program, qev-words.exe, the test
# programs, build-windows/qev-amount-words-<version>-win64.zip with the two programs and
# build-windows/qev-amount-words-<version>-setup.exe, which installs them.
windows: deps
	@cmake -S . -B $(WINDOWS_BUILD) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
		-DCMAKE_BUILD_TYPE=Release -DQEV_LINUX_WORDS=$(CURDIR)/$(BUILD)/cli/qev-words >/dev/null
	@cmake --build $(WINDOWS_BUILD) -j $(JOBS)

# Those tests under Wine (the windows' on a virtual display), and qev-words.exe beside the Linux
# qev-words, which it must match.
test-windows: build windows
	ctest --test-dir $(WINDOWS_BUILD) --output-on-failure -j $(JOBS)

# The web page, built with Emscripten: $(WEB_BUILD)/web/qev-amount-words.html, one file that opens
# from a file or any static server. Debian's nodejs may not look in /usr/share/nodejs, where
# Emscripten's JavaScript optimizer finds its parser.
web:
	@scripts/install-deps.sh web
	@emcmake cmake -S . -B $(WEB_BUILD) -DCMAKE_BUILD_TYPE=MinSizeRel >/dev/null
	@NODE_PATH=/usr/share/nodejs cmake --build $(WEB_BUILD) -j $(JOBS)

# The page driven in headless Chromium, and its wordings beside the Linux qev-words'.
test-web: web
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) >/dev/null
	@cmake --build $(BUILD) -j $(JOBS) --target qev-words
	/usr/bin/python3 tests/web/page_test.py $(WEB_BUILD)/web/qev-amount-words.html $(BUILD)/cli/qev-words

# The build's own lines are shown only when it fails: the program's output comes first.
run: configure
	@echo "run: building in $(BUILD)/ (the build's lines go to $(BUILD)/run-build.log)"
	@cmake --build $(BUILD) -j $(JOBS) >$(BUILD)/run-build.log 2>&1 || { cat $(BUILD)/run-build.log; exit 1; }
	@scripts/run.sh $(BUILD)

bench: deps
	@cmake -S . -B $(RELEASE_BUILD) -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(RELEASE_BUILD) -j $(JOBS) --target qev-bench qev-words icu-words qev-gui-bench \
		qev-first-paint bare-first-paint chinese-first-paint
	$(RELEASE_BUILD)/bench/qev-bench
	@npm install --silent --no-audit --no-fund --prefix $(RELEASE_BUILD)/n2words n2words@4 \
		>/dev/null 2>&1 || echo "bench: npm could not install n2words; it is left out"
	bench/words_throughput.sh $(RELEASE_BUILD)/cli/qev-words $(RELEASE_BUILD)/bench/icu-words \
		$(RELEASE_BUILD)/n2words
	$(RELEASE_BUILD)/bench/qev-gui-bench
	bench/startup.sh $(RELEASE_BUILD)/bench/qev-first-paint $(RELEASE_BUILD)/bench/bare-first-paint \
		$(RELEASE_BUILD)/bench/chinese-first-paint
	@if command -v chromium >/dev/null && command -v chromedriver >/dev/null && command -v em++ >/dev/null; \
	then $(MAKE) web && bench/web_startup.py $(WEB_BUILD)/web/qev-amount-words.html; \
	else echo "bench: no Chromium or Emscripten (make web and make test-web install them): the web page's start-up is left out"; fi

# Installs into PREFIX (default /usr/local); `xargs rm < build/install_manifest.txt` undoes it.
install: build
	cmake --install $(BUILD) $(if $(PREFIX),--prefix $(PREFIX))

# The Debian package, from a Release build: build-release/qev-amount-words_<version>_<arch>.deb.
package: deps
	@cmake -S . -B $(RELEASE_BUILD) -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(RELEASE_BUILD) -j $(JOBS)
	cd $(RELEASE_BUILD) && cpack -G DEB

format:
	git ls-files -z --cached --others --exclude-standard '*.cpp' '*.h' | xargs -0 -r clang-format -i

clean:
	rm -rf $(BUILD) $(RELEASE_BUILD) $(ASAN_BUILD) $(FUZZ_BUILD) $(WINDOWS_BUILD) $(WEB_BUILD)
