# Convenience wrapper around CMake. The real build lives in CMakeLists.txt.

BUILD      ?= build
ASAN_BUILD ?= build-asan
TSAN_BUILD ?= build-tsan
JOBS       ?= 2
CMAKE      ?= cmake
CTEST      ?= ctest
CTEST_ARGS ?=

export ASAN_OPTIONS  ?= detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS ?= print_stacktrace=1:halt_on_error=1
export TSAN_OPTIONS  ?= halt_on_error=1:second_deadlock_stack=1

.DEFAULT_GOAL := build
.PHONY: build run test asan tsan bench clean install package

build:
	$(CMAKE) -S . -B $(BUILD)
	$(CMAKE) --build $(BUILD) -j$(JOBS)

# A full report over the bundled examples. With -n the exit status is the
# number of quality notices, so it is shown rather than treated as failure.
run: build
	./$(BUILD)/klv -v -f -c -n $$(find examples -type f | LC_ALL=C sort); \
	echo "klv exit status: $$? (the number of quality notices)"

test: build
	$(CTEST) --test-dir $(BUILD) --output-on-failure $(CTEST_ARGS)

asan:
	$(CMAKE) -S . -B $(ASAN_BUILD) -DKLV_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
	$(CMAKE) --build $(ASAN_BUILD) -j$(JOBS)
	$(CTEST) --test-dir $(ASAN_BUILD) --output-on-failure $(CTEST_ARGS)

# The tests again under the thread sanitizer, the equality check of serial
# and parallel runs among them; a data race ends the run that meets it.
tsan:
	$(CMAKE) -S . -B $(TSAN_BUILD) -DKLV_SANITIZE_THREAD=ON \
	    -DCMAKE_BUILD_TYPE=RelWithDebInfo
	$(CMAKE) --build $(TSAN_BUILD) -j$(JOBS)
	$(CTEST) --test-dir $(TSAN_BUILD) --output-on-failure $(CTEST_ARGS)

# Installs klv, its man page, the README and the JSON schema. DESTDIR and
# CMAKE_INSTALL_PREFIX (default /usr/local) are honoured:
#   make install DESTDIR=/tmp/stage CMAKE_INSTALL_PREFIX=/usr
install: build
	DESTDIR="$(DESTDIR)" $(CMAKE) --install $(BUILD) \
	    $(if $(CMAKE_INSTALL_PREFIX),--prefix "$(CMAKE_INSTALL_PREFIX)")

# A Debian package of the same files under /usr, in $(BUILD)/package.
package: build
	cd $(BUILD) && cpack -G DEB

bench: build
	KLV=$(BUILD)/klv bash bench/wc_ratio.sh

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(TSAN_BUILD)
