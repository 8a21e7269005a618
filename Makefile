# Two commands for a fresh Debian 12 machine: `make run` and `make test`.
BUILD_DIR ?= build
JOBS ?= 2
CONFIGURE = cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: run test deps configure build package clean

# Only what building and playing needs, and only the game: the tests wait for `make test`.
run:
	./scripts/install-deps game
	$(CONFIGURE)
	cmake --build $(BUILD_DIR) -j$(JOBS) --target velmora
	./$(BUILD_DIR)/velmora

test: build
	ctest --test-dir $(BUILD_DIR) --output-on-failure -j$(JOBS)

deps:
	./scripts/install-deps all

configure: deps
	$(CONFIGURE) -DVELMORA_REQUIRE_TESTS=ON

build: configure
	cmake --build $(BUILD_DIR) -j$(JOBS)

# The Debian package, velmora_<version>_amd64.deb, and its debug symbols,
# velmora-dbgsym_<version>_amd64.ddeb, left in this folder. Only the packaging tools are
# installed and only what the package holds is built: the tests wait for `make test`.
package:
	./scripts/install-deps package
	$(CONFIGURE)
	cmake --build $(BUILD_DIR) -j$(JOBS) --target velmora velmora_package_files
	cd $(BUILD_DIR) && cpack -G DEB
	cp $(BUILD_DIR)/velmora_*_amd64.deb $(BUILD_DIR)/velmora-dbgsym_*_amd64.ddeb .

clean:
	rm -rf $(BUILD_DIR) build-asan build-fuzz build-m32
