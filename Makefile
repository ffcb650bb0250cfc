BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: run test bench package deps build clean

run: build
	$(BUILD)/app/pattaro

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
	for b in $(BUILD)/bench/bench_*; do echo "== $$b"; $$b || exit 1; done

package: build
	cmake --build $(BUILD) --target package

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release -DPATTARO_WERROR=$(if $(CI),ON,OFF)
	cmake --build $(BUILD) -j $(JOBS)

deps:
	scripts/install-deps.sh

clean:
	rm -rf $(BUILD)
