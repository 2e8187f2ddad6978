# Orvane! — the commands of the README. Everything builds with two jobs.
BUILD      ?= build
JOBS       ?= 2
CMAKE_ARGS ?=

.PHONY: all deps configure build test run bench fuzz format package clean

all: build

deps:
	@bash scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -G Ninja -DORVANE_WERROR=ON $(CMAKE_ARGS) >/dev/null

build: configure
	cmake --build $(BUILD) -j $(JOBS)

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# Starts the window on a demo database made fresh in the build folder.
run: build
	$(BUILD)/src/cli/orvane-cli demo $(BUILD)/demo.pgr
	$(BUILD)/src/app/orvane $(BUILD)/demo.pgr

bench: deps
	cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DORVANE_BUILD_BENCH=ON \
	      -DORVANE_BUILD_TESTS=OFF >/dev/null
	cmake --build build-bench -j $(JOBS)
	@for b in build-bench/bench/bench_*; do [ -x "$$b" ] && "$$b"; done; true

FUZZ_SECONDS ?= 60
fuzz: deps
	CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	      -DORVANE_FUZZ=ON -DORVANE_BUILD_TESTS=OFF -DORVANE_BUILD_GUI=OFF >/dev/null
	cmake --build build-fuzz -j $(JOBS)
	@for f in build-fuzz/tests/fuzz/fuzz_*; do \
	    [ -x "$$f" ] || continue; \
	    name=$$(basename $$f | sed 's/^fuzz_//'); mkdir -p build-fuzz/corpus/$$name; \
	    echo "== $$f for $(FUZZ_SECONDS) s"; \
	    "$$f" -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	          build-fuzz/corpus/$$name tests/fuzz/corpus/$$name || exit 1; \
	done

# A .deb for /usr, built without tests in its own folder.
package: deps
	cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
	      -DORVANE_BUILD_TESTS=OFF -DORVANE_WERROR=ON >/dev/null
	cmake --build build-package -j $(JOBS)
	cd build-package && cpack
	@ls -1 build-package/*.deb

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) build-bench build-fuzz build-package
