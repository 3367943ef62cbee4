# Convenience wrapper around CMake. The real build lives in CMakeLists.txt.

BUILD      ?= build
ASAN_BUILD ?= build-asan
JOBS       ?= 2
CMAKE      ?= cmake
CTEST      ?= ctest
CTEST_ARGS ?=

export ASAN_OPTIONS  ?= detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS ?= print_stacktrace=1:halt_on_error=1

.DEFAULT_GOAL := build
.PHONY: build run test asan bench clean install package

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
	rm -rf $(BUILD) $(ASAN_BUILD)
