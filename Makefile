# Entry points. `make test` installs what is missing, then configures, builds and runs every
# test under both presets: the normal build, and AddressSanitizer + UndefinedBehaviorSanitizer.

.PHONY: test run install uninstall deps build unit e2e bench format clean

test: deps
	cmake --preset default
	cmake --build --preset default
	ctest --preset default
	cmake --preset asan
	cmake --build --preset asan
	ctest --preset asan

deps:
	./scripts/install-deps

# Builds and starts the player on the demo disc (on a virtual display when there is none).
run: build
	./scripts/run

build: deps
	cmake --preset default
	cmake --build --preset default

# For the current user, or under PREFIX=...
install: build
	./scripts/install install

uninstall:
	./scripts/install uninstall

# Either set of tests alone, in the default build.
unit: build
	ctest --preset default -L unit

e2e: build
	ctest --preset default -L e2e

# Benchmarks of the program's own costs, in the optimised build.
bench: build
	./build/default/bench/tick_bench
	./build/default/bench/engine_bench
	./bench/frontend-bench

format:
	find src tests bench -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf build
