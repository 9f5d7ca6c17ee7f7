# Two commands for a newcomer: `make run` and `make test`.
BUILD ?= build
JOBS ?= 2
# The package is built apart from the development tree, without tests.
PACKAGE_BUILD ?= build-package

.PHONY: run test build deps clean package bench

deps:
	@scripts/install-deps

# Extra CMake settings, e.g. CMAKE_ARGS=-DORVANE_WERROR=ON (as CI builds);
# given, they are applied to an existing build folder too.
CMAKE_ARGS ?=

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release $(CMAKE_ARGS)

build: deps $(BUILD)/CMakeCache.txt
	$(if $(strip $(CMAKE_ARGS)),cmake -S . -B $(BUILD) $(CMAKE_ARGS))
	cmake --build $(BUILD) -j$(JOBS)

run: build
	$(BUILD)/orvane

test: build
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS)

# A .deb in $(PACKAGE_BUILD)/; install it with
#   sudo apt-get install ./$(PACKAGE_BUILD)/orvane_*.deb
package: deps
	cmake -S . -B $(PACKAGE_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release -DORVANE_BUILD_TESTS=OFF -DORVANE_BUILD_BENCH=OFF
	cmake --build $(PACKAGE_BUILD) -j$(JOBS)
	cd $(PACKAGE_BUILD) && cpack -G DEB
	@ls -1 $(PACKAGE_BUILD)/orvane_*.deb

# Start-up against a bare Qt window, then the engine microbenchmarks, all
# built in Release.
bench: deps $(BUILD)/CMakeCache.txt
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD) -j$(JOBS) --target orvane_startup orvane_first_open bare_window_startup
	if cmake --build $(BUILD) --target help | grep -q orvane_engine_bench; then \
	  cmake --build $(BUILD) -j$(JOBS) --target orvane_engine_bench; fi
	bench/run-bench.sh $(BUILD)

clean:
	rm -rf $(BUILD) $(PACKAGE_BUILD)
