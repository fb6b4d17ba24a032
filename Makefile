# The two commands of the README, and a few more for the developers.
#   make play   install what is missing, build, generate the assets, start the game
#   make test   install what is missing, build with the sanitizers, run every test
#   make build  the release build and the assets into build/, nothing started
#   make bench  the benchmarks of the release build, the ranking server's load figures, and
#               what the game's window costs at scales 1, 2 and 4 (Xvfb)
#   make soak   a million tick steps of unattended play in the release build (about 2.5 min)
#   make fuzz   every fuzz target for FUZZ_SECONDS each (default 600), one after the other
#   make install   install under PREFIX (default /usr/local), honouring DESTDIR
#   make package   a Debian package in build-package/

SHELL := /bin/bash
BUILD := build
TEST_BUILD := build-asan
CMAKE_FLAGS := -G Ninja -Wno-dev

SERVER_PORT := 8229

.PHONY: play test build bench soak fuzz deps dev-deps format clean local-server install package

PREFIX ?= /usr/local
PACKAGE_BUILD := build-package

# What building and playing need; the tests and the developers' tools add more.
deps:
	@./scripts/install-deps.sh play
dev-deps:
	@./scripts/install-deps.sh develop

build: deps
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) -DCMAKE_BUILD_TYPE=Release -DQUILLMOOR_TESTS=OFF > /dev/null
	@cmake --build $(BUILD)

# A ranking server on loopback for the network mode, its database in build/dat/. Started only
# when nothing answers on its port, and left running: make stops nothing it did not start.
local-server: build
	@if ! (exec 3<>/dev/tcp/127.0.0.1/$(SERVER_PORT)) 2>/dev/null; then \
	  mkdir -p $(BUILD)/dat; \
	  nohup ./$(BUILD)/quillmoor-server --listen 127.0.0.1:$(SERVER_PORT) \
	    --db $(BUILD)/dat/quillmoor-server.db </dev/null >>$(BUILD)/dat/quillmoor-server.log 2>&1 & \
	  echo "Ranking server started on 127.0.0.1:$(SERVER_PORT) (pid $$!; log: $(BUILD)/dat/quillmoor-server.log)"; \
	fi

play: local-server
	./$(BUILD)/quillmoor

test: dev-deps
	@cmake -S . -B $(TEST_BUILD) $(CMAKE_FLAGS) -DCMAKE_BUILD_TYPE=Debug -DQUILLMOOR_SANITIZE=ON -DQUILLMOOR_BENCH=OFF > /dev/null
	@cmake --build $(TEST_BUILD)
	cd $(TEST_BUILD) && QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy \
	  ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp \
	  UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j2

bench: dev-deps build
	@cmake -S . -B $(BUILD) -DQUILLMOOR_BENCH=ON > /dev/null
	@cmake --build $(BUILD)
	./$(BUILD)/bench/quillmoor-bench
	./bench/server-load.sh $(BUILD)
	./bench/window-cost.sh $(BUILD)

soak: build
	@dir=$$(mktemp -d); mkdir -p $$dir/dat; cp $(BUILD)/dat/name.dat $$dir/dat/; \
	  QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy ./$(BUILD)/quillmoor-soak $$dir 1000000 5; \
	  status=$$?; rm -rf $$dir; exit $$status

FUZZ_SECONDS ?= 600
fuzz: dev-deps
	@for target in saves scripts answers uploads requests; do \
	  ./scripts/fuzz.sh $$target $(FUZZ_SECONDS) || exit 1; done

# Installs under PREFIX (default /usr/local), into DESTDIR when it is given.
install: deps
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) -DCMAKE_BUILD_TYPE=Release -DQUILLMOOR_TESTS=OFF \
	  -DCMAKE_INSTALL_PREFIX=$(PREFIX) > /dev/null
	@cmake --build $(BUILD)
	cmake --install $(BUILD)

# A Debian package (build-package/quillmoor_*.deb) of the game and the server, for /usr.
package: dev-deps
	@cmake -S . -B $(PACKAGE_BUILD) $(CMAKE_FLAGS) -DCMAKE_BUILD_TYPE=Release \
	  -DQUILLMOOR_TESTS=OFF -DQUILLMOOR_BENCH=OFF -DCMAKE_INSTALL_PREFIX=/usr > /dev/null
	@cmake --build $(PACKAGE_BUILD)
	cd $(PACKAGE_BUILD) && cpack -G DEB
	@ls $(PACKAGE_BUILD)/quillmoor_*.deb

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD) $(TEST_BUILD) $(PACKAGE_BUILD)
