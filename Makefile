# Selvaris: `make run` builds and starts the program, `make test` builds and runs every test.
# Both first install, with apt, whatever of the packages below is missing.

PACKAGES := g++ cmake ninja-build make pkg-config qt6-base-dev qt6-svg-dev qt6-translations-l10n libgtest-dev \
            qt6-l10n-tools qt6-tools-dev \
            libbenchmark-dev fonts-ipafont-gothic fonts-dejavu-core clang libclang-rt-dev \
            desktop-file-utils appstream
BUILD := build
BUILD_ASAN := build-asan
BUILD_FUZZ := build-fuzz
FUZZ_SECONDS ?= 60
JOBS ?= $(shell nproc)

.PHONY: all deps build run test test-normal test-asan test-fuzz fuzz fuzz-build bench screenshots translations clean

all: build

deps:
	@missing=""; \
	for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  SUDO=""; [ "$$(id -u)" -ne 0 ] && SUDO=sudo; \
	  $$SUDO apt-get update -qq && DEBIAN_FRONTEND=noninteractive $$SUDO apt-get install -y -qq $$missing; \
	fi

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

$(BUILD_ASAN)/build.ninja:
	cmake -S . -B $(BUILD_ASAN) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DSELVARIS_SANITIZE=ON -DSELVARIS_BUILD_BENCH=OFF

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "selvaris: no display found (DISPLAY and WAYLAND_DISPLAY are unset); start it from a desktop session or under xvfb-run."; \
	  exit 1; \
	fi
	./$(BUILD)/selvaris

# As root, folder and file permissions stop nothing, so the file tests that need
# them run once more as an unprivileged user when the build can be reached as one.
NOBODY := setpriv --reuid=65534 --regid=65534 --clear-groups

test-normal: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
	@if [ "$$(id -u)" -eq 0 ] && command -v setpriv >/dev/null 2>&1 && \
	    $(NOBODY) test -x $(BUILD)/tests/tests_files 2>/dev/null; then \
	  echo "File tests as an unprivileged user:"; \
	  $(NOBODY) env HOME=/tmp $(BUILD)/tests/tests_files --gtest_brief=1; \
	fi

test-asan: deps $(BUILD_ASAN)/build.ninja
	cmake --build $(BUILD_ASAN) -j $(JOBS)
	cd $(BUILD_ASAN) && QT_QPA_PLATFORM=offscreen \
	  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --output-on-failure -j $(JOBS)

# The fuzz targets are built by clang with libFuzzer, in a build of their own.
$(BUILD_FUZZ)/build.ninja:
	cmake -S . -B $(BUILD_FUZZ) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
	  -DSELVARIS_FUZZ=ON -DSELVARIS_BUILD_UI=OFF -DSELVARIS_BUILD_BENCH=OFF -DSELVARIS_BUILD_TESTS=OFF

fuzz-build: deps $(BUILD_FUZZ)/build.ninja
	cmake --build $(BUILD_FUZZ) -j $(JOBS)

# $(call run_fuzz,target,seconds,longest input): new inputs go to a corpus in the
# build folder, the checked-in seeds in fuzz/corpus/ are only read; a crash or a
# broken invariant stops make and leaves the input as $(BUILD_FUZZ)/crash-*.
define run_fuzz
	@mkdir -p $(BUILD_FUZZ)/corpus/$(1)
	@echo "Fuzzing $(1) for $(2) s"
	@UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ./$(BUILD_FUZZ)/fuzz/$(1)_fuzz -max_total_time=$(2) \
	  -max_len=$(3) -timeout=20 -print_final_stats=1 -artifact_prefix=$(CURDIR)/$(BUILD_FUZZ)/crash-$(1)- \
	  $(CURDIR)/$(BUILD_FUZZ)/corpus/$(1) $(CURDIR)/fuzz/corpus/$(1) >$(BUILD_FUZZ)/$(1).log 2>&1 || \
	  { tail -n 40 $(BUILD_FUZZ)/$(1).log; echo "fuzz: $(1) failed; the input is in $(BUILD_FUZZ)/crash-$(1)-*"; exit 1; }
	@grep -E "^stat::number_of_executed_units" $(BUILD_FUZZ)/$(1).log | sed 's/^stat::number_of_executed_units:/  inputs tried:/'
endef

fuzz: fuzz-build
	$(call run_fuzz,cell_parser,$(FUZZ_SECONDS),64)
	$(call run_fuzz,matrix_file,$(FUZZ_SECONDS),512)
	$(call run_fuzz,matrix_numeric,$(FUZZ_SECONDS),512)
	$(call run_fuzz,npy_matrix,$(FUZZ_SECONDS),1024)
	$(call run_fuzz,qasm_matrix,$(FUZZ_SECONDS),4096)

test-fuzz: fuzz-build
	$(call run_fuzz,cell_parser,15,64)
	$(call run_fuzz,matrix_file,15,512)
	$(call run_fuzz,matrix_numeric,15,512)
	$(call run_fuzz,npy_matrix,15,1024)
	$(call run_fuzz,qasm_matrix,15,4096)

test: test-normal test-asan test-fuzz

bench: build
	./$(BUILD)/bench/selvaris_bench --benchmark_repetitions=9 --benchmark_enable_random_interleaving=true --benchmark_report_aggregates_only=true
	QT_QPA_PLATFORM=offscreen ./$(BUILD)/bench/selvaris_ui_bench
	./$(BUILD)/bench/startup_bench ./$(BUILD)/selvaris ./$(BUILD)/bench/qt_baseline 9 ./$(BUILD)/bench/qt_captions_baseline

# The README's walkthrough, drawn by the program on the offscreen platform.
screenshots: build
	QT_QPA_PLATFORM=offscreen ./$(BUILD)/selvaris_walkthrough docs

# Brings translations/selvaris_en.ts in step with the program's texts: new ones
# arrive unfinished (for Qt Linguist or an editor), translations made are kept,
# and those of texts that are gone are dropped.
translations: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS) --target selvaris_update_translations
	./$(BUILD)/selvaris_update_translations translations/selvaris_en.ts

clean:
	rm -rf $(BUILD) $(BUILD_ASAN) $(BUILD_FUZZ)

# Installing like a Linux program, from a build of its own without tests and benchmarks:
# `make install` (PREFIX, default /usr/local; DESTDIR for a staging folder) and `make deb`,
# a Debian package of the same files in this folder, checked by lintian where it is installed.
BUILD_RELEASE := build-release
PREFIX ?= /usr/local

.PHONY: install deb

$(BUILD_RELEASE)/build.ninja:
	cmake -S . -B $(BUILD_RELEASE) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DSELVARIS_BUILD_TESTS=OFF -DSELVARIS_BUILD_BENCH=OFF

install: deps $(BUILD_RELEASE)/build.ninja
	cmake --build $(BUILD_RELEASE) -j $(JOBS) --target selvaris selvaris_compressed_docs
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD_RELEASE) --prefix "$(PREFIX)" --strip

# cpack asks dpkg-shlibdeps (dpkg-dev) for the libraries the program needs, and file finds the programs.
deb: PACKAGES += dpkg-dev file
deb: deps $(BUILD_RELEASE)/build.ninja
	cmake --build $(BUILD_RELEASE) -j $(JOBS) --target selvaris selvaris_compressed_docs
	rm -f $(BUILD_RELEASE)/selvaris_*.deb selvaris_*.deb
	cd $(BUILD_RELEASE) && cpack -G DEB
	cp $(BUILD_RELEASE)/selvaris_*.deb .
	@if command -v lintian >/dev/null; then \
	  echo "lintian:"; lintian --fail-on error selvaris_*.deb; \
	else \
	  echo "skipped: lintian not installed"; \
	fi
