# make run: install what is missing, build, start the program.
# make test: install what is missing, build, run every test headless.

BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: deps configure build run test clean

deps:
	@sh tools/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

# Only the program: its tests and benchmarks are not needed to use it.
run: configure
	cmake --build $(BUILD) -j $(JOBS) --target dirdock
	./$(BUILD)/dirdock

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

clean:
	rm -rf $(BUILD)
