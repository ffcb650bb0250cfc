BUILD ?= build
SANITIZE_BUILD ?= build-sanitize
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 300
JOBS ?= $(shell nproc)

.PHONY: run test sanitize fuzz bench package deps build clean

run: build
	$(BUILD)/ui/pattaro

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The test programs built with AddressSanitizer and UndefinedBehaviorSanitizer;
# the end-to-end tests only start the same code again, many times slower, and
# the monkey's megabyte texts would take minutes (it runs in make test).
# -O1 -g1 compiles in little more than half the time of -O2 -g, and still
# gives the sanitizers' reports file and line.
sanitize: deps
	cmake -S . -B $(SANITIZE_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPATTARO_SANITIZE=ON \
	  -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1 -DNDEBUG" \
	  -DPATTARO_END_TO_END_TESTS=OFF -DPATTARO_BUILD_BENCHMARKS=OFF
	cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	cd $(SANITIZE_BUILD) && QT_QPA_PLATFORM=offscreen \
	  UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j $(JOBS) -E Monkey

# The libFuzzer targets (clang, with the same sanitizers), each run for
# FUZZ_SECONDS seconds.
fuzz: deps
	cmake -S . -B $(FUZZ_BUILD) -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DPATTARO_FUZZ=ON -DPATTARO_BUILD_TESTS=OFF -DPATTARO_BUILD_BENCHMARKS=OFF
	cmake --build $(FUZZ_BUILD) --target pattaro_fuzzers -j $(JOBS)
	scripts/run-fuzzers.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

bench: build
	# CMake keeps folders such as bench_commands_autogen beside the programs.
	for b in $(BUILD)/bench/bench_*; do \
	  [ -f "$$b" ] && [ -x "$$b" ] || continue; \
	  echo "== $$b"; "$$b" || exit 1; \
	done

package: build
	cmake --build $(BUILD) --target package

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release -DPATTARO_WERROR=$(if $(CI),ON,OFF)
	cmake --build $(BUILD) -j $(JOBS)

deps:
	scripts/install-deps.sh

clean:
	rm -rf $(BUILD)
