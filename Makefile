# The two commands of the README. Both install what is missing first.
BUILD_DIR ?= build
TEST_BUILD_DIR ?= build-test
BENCH_BUILD_DIR ?= build-bench
COVERAGE_BUILD_DIR ?= build-coverage
JOBS ?= $(shell nproc)

.PHONY: deps run build server test coverage bench deb clean

deps:
	@./scripts/install-deps.sh

build: deps
	@cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DLEDGERINE_BUILD_TESTS=OFF -DLEDGERINE_BUILD_BENCH=OFF >/dev/null
	@cmake --build $(BUILD_DIR) --target ledgerine

run: build
	./$(BUILD_DIR)/ledgerine

# The sync server, as $(BUILD_DIR)/ledgerine-server (README: "Run your own sync server").
server: deps
	@cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DLEDGERINE_BUILD_TESTS=OFF -DLEDGERINE_BUILD_BENCH=OFF >/dev/null
	@cmake --build $(BUILD_DIR) --target ledgerine-server

# Tests build with AddressSanitizer and UndefinedBehaviorSanitizer, line
# tables only and a shared core: a fresh machine builds them in minutes.
test: deps
	@cmake -S . -B $(TEST_BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug \
	  -DLEDGERINE_SANITIZE=ON -DLEDGERINE_SHARED_CORE=ON -DLEDGERINE_BUILD_BENCH=OFF \
	  -DCMAKE_CXX_FLAGS_DEBUG="-g1 -O1" >/dev/null
	@cmake --build $(TEST_BUILD_DIR)
	cd $(TEST_BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

# Line and branch coverage of the program and the server by the whole suite;
# kept out of `test` so CI stays quick.
coverage: deps
	@cmake -S . -B $(COVERAGE_BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug \
	  -DLEDGERINE_SHARED_CORE=ON -DLEDGERINE_BUILD_BENCH=OFF \
	  -DCMAKE_CXX_FLAGS_DEBUG="-O0 -g1 --coverage" -DCMAKE_EXE_LINKER_FLAGS=--coverage \
	  -DCMAKE_SHARED_LINKER_FLAGS=--coverage >/dev/null
	@cmake --build $(COVERAGE_BUILD_DIR)
	@find $(COVERAGE_BUILD_DIR) -name '*.gcda' -delete
	-cd $(COVERAGE_BUILD_DIR) && ctest -j $(JOBS) >/dev/null
	gcovr -r . --object-directory $(COVERAGE_BUILD_DIR) -f 'src/' -f 'server/src/' \
	  -e '.*_autogen/.*' --exclude-unreachable-branches --exclude-throw-branches -j $(JOBS) \
	  --print-summary -o $(COVERAGE_BUILD_DIR)/coverage.txt

bench: deps
	@cmake -S . -B $(BENCH_BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release \
	  -DLEDGERINE_BUILD_TESTS=OFF >/dev/null
	@cmake --build $(BENCH_BUILD_DIR) --target ledgerine_bench
	QT_QPA_PLATFORM=offscreen ./$(BENCH_BUILD_DIR)/bench/ledgerine_bench $(BENCH_ARGS)

# The Debian package of the release build, as $(BUILD_DIR)/ledgerine_<version>_<arch>.deb.
deb: build
	cd $(BUILD_DIR) && cpack -G DEB

clean:
	rm -rf $(BUILD_DIR) $(TEST_BUILD_DIR) $(BENCH_BUILD_DIR) $(COVERAGE_BUILD_DIR)
