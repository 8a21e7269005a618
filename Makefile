# Two commands for a fresh Debian 12 machine: `make run` and `make test`.
BUILD_DIR ?= build
JOBS ?= 2

.PHONY: run test deps configure build package clean

run: build
	./$(BUILD_DIR)/velmora

test: build
	ctest --test-dir $(BUILD_DIR) --output-on-failure -j$(JOBS)

deps:
	./scripts/install-deps

configure: deps
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD_DIR) -j$(JOBS)

# The Debian package, velmora_<version>_amd64.deb, left in this folder.
package: build
	cd $(BUILD_DIR) && cpack -G DEB
	cp $(BUILD_DIR)/velmora_*_amd64.deb .

clean:
	rm -rf $(BUILD_DIR) build-asan build-fuzz
