# The two commands a fresh Debian 12 machine needs: `make run` and `make test`.
# Both install any missing Debian packages first, then build. Every other
# target takes the packages as installed (`make deps` installs them).

BUILD_DIR    := build
SANITIZE_DIR := build-sanitize
FUZZ_DIR     := build-fuzz
WINDOWS_CORE_DIR := build-windows-core
# The Windows program: Qt built for it once (kept across `make clean`), then GOLV.
WINDOWS_DIR  := build-windows
FUZZ_TARGETS := Config Preset Codec Parsers
# How long `make fuzz` runs each target; `make test` gives each 10 seconds.
FUZZ_SECONDS ?= 60
DEMO_DIR     := demo
JOBS         ?= 2

.PHONY: all deps build check run test test-sanitize test-windows windows windows-test fuzz-build fuzz test-fuzz package test-package screenshots bench mutation format clean

all: build

deps:
	@scripts/install-deps.sh

build:
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(BUILD_DIR) -j$(JOBS)

# The everyday check: the build and the Linux tests, nothing else.
check: build
	@cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

# Starts GOLV in demo/ beside a synthetic engine executable. A golv.cfg left
# there by an earlier run is kept, so settings edited by hand survive.
run: deps
	@$(MAKE) --no-print-directory build
	@mkdir -p $(DEMO_DIR)
	@$(BUILD_DIR)/make-test-exe --with-config $(DEMO_DIR)/quenb.exe
	@cp languages/*.lng $(DEMO_DIR)/
	@cd $(DEMO_DIR) && ../$(BUILD_DIR)/golv

# The full gate that CI runs.
test: deps
	@$(MAKE) --no-print-directory check test-sanitize test-windows test-fuzz test-package

# The Qt-free core once more under AddressSanitizer and UndefinedBehaviorSanitizer.
test-sanitize:
	@cmake -S . -B $(SANITIZE_DIR) -DCMAKE_BUILD_TYPE=Debug -DGOLV_CORE_ONLY=ON -DGOLV_SANITIZE=ON >/dev/null
	@cmake --build $(SANITIZE_DIR) -j$(JOBS)
	@cd $(SANITIZE_DIR) && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
		ctest --output-on-failure -j$(JOBS)

# The core, make-test-exe and the core tests cross-built for Windows with
# mingw-w64 and run under Wine, in a Wine prefix of their own in the build
# folder, so that the user's own Wine setup is neither needed nor touched.
test-windows:
	@cmake -S . -B $(WINDOWS_CORE_DIR) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DGOLV_CORE_ONLY=ON \
		-DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(WINDOWS_CORE_DIR) -j$(JOBS)
	@cd $(WINDOWS_CORE_DIR) && ctest --output-on-failure

# golv.exe, the whole program as one static Windows executable, and the
# download golv-VERSION-windows-x64.zip beside it. The first run builds Qt
# for Windows from Debian's source (about 15 minutes on two cores) into
# $(WINDOWS_DIR)/qt; later runs only rebuild GOLV.
windows: deps
	@$(MAKE) --no-print-directory build
	@scripts/build-windows-qt.sh $(WINDOWS_DIR)/qt $(WINDOWS_DIR)/qt-work $(JOBS)
	@QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/golv-render-artwork $(WINDOWS_DIR)/artwork
	@cmake -S . -B $(WINDOWS_DIR)/golv -DCMAKE_BUILD_TYPE=Release \
		-DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/$(WINDOWS_DIR)/qt/lib/cmake/Qt6/qt.toolchain.cmake \
		-DQT_CHAINLOAD_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-w64.cmake -DQT_HOST_PATH=/usr \
		-DGOLV_PREBUILT_ARTWORK=$(CURDIR)/$(WINDOWS_DIR)/artwork >/dev/null
	@cmake --build $(WINDOWS_DIR)/golv -j$(JOBS)
	@scripts/make-windows-zip.sh $(WINDOWS_DIR)/golv $(WINDOWS_DIR)

# golv.exe under Wine and Xvfb in a demo folder: every window's picture in
# $(WINDOWS_DIR)/screenshots, and the same plan and the same patched bytes as
# the Linux build.
windows-test: windows
	@scripts/windows-test.sh $(BUILD_DIR) $(WINDOWS_DIR)

# The Debian package build/golv_<version>_amd64.deb, and the checks of what it
# installs: the desktop entry, the AppStream metadata and lintian's.
package: build
	@cd $(BUILD_DIR) && cpack >/dev/null && ls $(CURDIR)/$(BUILD_DIR)/golv_*_amd64.deb

test-package: package
	@desktop-file-validate packaging/org.example.golv.desktop
	@appstreamcli validate --no-net packaging/org.example.golv.metainfo.xml >/dev/null
	@lintian --fail-on error $(BUILD_DIR)/golv_*_amd64.deb

# The readers and the codec under libFuzzer (clang, with AddressSanitizer and
# UndefinedBehaviorSanitizer). New inputs go to $(FUZZ_DIR)/corpus, never into
# the checked-in seeds; a finding is written to $(FUZZ_DIR)/ and fails the run.
fuzz-build:
	@cmake -S . -B $(FUZZ_DIR) -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DGOLV_CORE_ONLY=ON -DGOLV_FUZZ=ON >/dev/null
	@cmake --build $(FUZZ_DIR) -j$(JOBS)

fuzz: fuzz-build
	@for target in $(FUZZ_TARGETS); do \
		corpus=$$(echo $$target | tr A-Z a-z); \
		mkdir -p $(FUZZ_DIR)/corpus/$$corpus; \
		echo "fuzzing $$target for $(FUZZ_SECONDS) s"; \
		$(FUZZ_DIR)/tests/fuzz/fuzz-$$target -max_total_time=$(FUZZ_SECONDS) -timeout=5 -rss_limit_mb=1024 \
			-print_final_stats=0 -artifact_prefix=$(FUZZ_DIR)/ \
			$(FUZZ_DIR)/corpus/$$corpus tests/fuzz/corpus/$$corpus 2>$(FUZZ_DIR)/$$target.log \
			|| { tail -n 40 $(FUZZ_DIR)/$$target.log; exit 1; }; \
		grep -E '^Done' $(FUZZ_DIR)/$$target.log; \
	done

test-fuzz:
	@$(MAKE) --no-print-directory fuzz FUZZ_SECONDS=10

# Renders every window to build/screenshots/<window>.png, started like GOLV in a
# throw-away folder beside a synthetic engine executable (demo/ is left alone).
# LANGUAGE=path/to/file.lng renders them with that language file; LANGUAGE=long
# with every caption twice as long, to look for cut text.
screenshots: build
	@folder=$$(mktemp -d) && \
	$(BUILD_DIR)/make-test-exe --with-config "$$folder/quenb.exe" && \
	language="$(if $(LANGUAGE),$(abspath $(LANGUAGE)))" && \
	if [ "$(LANGUAGE)" = long ]; then language="$$folder/long.lng"; \
		$(BUILD_DIR)/make-language-template --doubled > "$$language"; fi && \
	(cd "$$folder" && QT_QPA_PLATFORM=offscreen $(CURDIR)/$(BUILD_DIR)/golv-screenshots \
		$(CURDIR)/$(BUILD_DIR)/screenshots $$language); \
	status=$$?; rm -rf "$$folder"; exit $$status

bench: build
	@$(BUILD_DIR)/bench/golv_bench --benchmark_repetitions=9 --benchmark_report_aggregates_only=true
	@folder=$$(mktemp -d) && \
	$(BUILD_DIR)/make-test-exe --with-config "$$folder/quenb.exe" && \
	(cd "$$folder" && QT_QPA_PLATFORM=offscreen $(CURDIR)/$(BUILD_DIR)/bench/golv-window-bench 15); \
	status=$$?; rm -rf "$$folder"; exit $$status

# How many single-point faults of the core the tests catch; not part of
# `make test` (about 20 s a fault on 2 cores). COUNT faults, chosen by SEED.
COUNT ?= 100
SEED ?= 1
mutation:
	@python3 tools/mutate.py --count $(COUNT) --seed $(SEED) --jobs $(JOBS)

format:
	@find src app tests tools bench -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	@rm -rf $(BUILD_DIR) $(SANITIZE_DIR) $(FUZZ_DIR) $(WINDOWS_CORE_DIR) $(WINDOWS_DIR)/golv $(WINDOWS_DIR)/artwork \
		build-mutation
