# Selvaris: `make run` builds and starts the program, `make test` builds and runs every test.
# Both first install, with apt, whatever of the packages below is missing.

PACKAGES := g++ cmake ninja-build make pkg-config qt6-base-dev qt6-translations-l10n libgtest-dev libbenchmark-dev \
            fonts-ipafont-gothic fonts-dejavu-core
BUILD := build
BUILD_ASAN := build-asan
JOBS ?= $(shell nproc)

.PHONY: all deps build run test test-normal test-asan bench clean

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

test: test-normal test-asan

bench: build
	./$(BUILD)/bench/selvaris_bench

clean:
	rm -rf $(BUILD) $(BUILD_ASAN)
