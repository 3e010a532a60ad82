# Front door: `make build` builds the program alone (no test framework
# needed), `make example` builds and translates a bundled design,
# `make check` builds and runs every test (also under the sanitizers).
BUILD ?= build
SANITIZE_BUILD ?= build-sanitize
JOBS ?= 2
# WERROR=ON makes the compiler's warnings errors (CI asks for it; a user's
# build never stops at a warning a newer compiler adds).
WERROR ?= OFF

.PHONY: all deps test-deps build example check clean

all: build

deps:
	@scripts/install-deps.sh

test-deps:
	@scripts/install-deps.sh --tests

build: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

example: build
	./$(BUILD)/vhdl87c < examples/counter.vhd

# The sanitizer run comes first, so the last line is the plain build's
# test summary.  Both builds are configured with the tests.
check: test-deps
	@cmake -S . -B $(SANITIZE_BUILD) -DCMAKE_BUILD_TYPE=Debug -DVHDL87C_SANITIZE=ON -DBUILD_TESTING=ON -DVHDL87C_WERROR=$(WERROR) >/dev/null
	@cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON -DVHDL87C_WERROR=$(WERROR) >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)
	cd $(SANITIZE_BUILD) && ctest --output-on-failure -j $(JOBS)
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD)
