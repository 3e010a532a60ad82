# Front door: `make build` builds the program alone (no test framework
# needed), `make example` builds and translates a bundled design,
# `make test-quick` builds with the tests and runs the quick ones (the edit
# loop), `make check` builds and runs every test, under the sanitizers and
# in the plain build.
BUILD ?= build
SANITIZE_BUILD ?= build-sanitize
JOBS ?= 2
# WERROR=ON makes the compiler's warnings errors (CI asks for it; a user's
# build never stops at a warning a newer compiler adds).
WERROR ?= OFF

.PHONY: all deps test-deps build example test-quick check clean

all: build

deps:
	@scripts/install-deps.sh

test-deps:
	@scripts/install-deps.sh --tests

# A first configuration leaves the tests out; a build folder configured
# with them (by test-quick or check) keeps them, so they never go stale.
build: deps
	@if [ -f $(BUILD)/CMakeCache.txt ]; then cmake -S . -B $(BUILD) >/dev/null; \
	else cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF >/dev/null; fi
	@cmake --build $(BUILD) -j $(JOBS)

example: build
	./$(BUILD)/vhdl87c < examples/counter.vhd

test-quick: test-deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON -DVHDL87C_WERROR=$(WERROR) >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)
	cd $(BUILD) && ctest -j $(JOBS) -L quick

# Both suites run, the plain one even when the sanitizer one failed; the
# last lines are both summaries and the total.
check: test-deps
	@cmake -S . -B $(SANITIZE_BUILD) -DCMAKE_BUILD_TYPE=Debug -DVHDL87C_SANITIZE=ON -DBUILD_TESTING=ON -DVHDL87C_WERROR=$(WERROR) >/dev/null
	@cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON -DVHDL87C_WERROR=$(WERROR) >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)
	@scripts/check_suites.sh $(JOBS) $(SANITIZE_BUILD) $(BUILD)

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD)
