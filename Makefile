# The two set-up commands of the README:
#   make run    install what is missing, build, lay out the application folder, start Tezaurel
#   make test   install what is missing, build, run every test
#   make deb    the Debian package tezaurel_<version>_<arch>.deb
.PHONY: run test bench build-release install deb clean

# The debug build, then the whole suite again under the address and
# undefined-behaviour sanitizers.
PRESETS_TEST ?= debug asan

# On a first run the application folder gets a demonstration collection.
run: build-release
	./build/release/unelte/tezaurel_demo build/release/Tezaurel
	./build/release/Tezaurel/tezaurel

build-release:
	sh scripts/dependinte.sh run
	cmake --preset release -DTEZAUREL_TESTE=OFF -DTEZAUREL_BENCH=OFF
	cmake --build --preset release

test:
	sh scripts/dependinte.sh test
	for p in $(PRESETS_TEST); do sh scripts/teste.sh $$p || exit 1; done

# Every benchmark, in the release build.
bench:
	sh scripts/dependinte.sh test
	cmake --preset release -DTEZAUREL_TESTE=OFF -DTEZAUREL_BENCH=ON
	cmake --build --preset release
	for b in build/release/bench/bench_*; do [ -f "$$b" ] && [ -x "$$b" ] || continue; "$$b" || exit 1; done

# make install PREFIX=/some/folder: the same application folder under a prefix
# (it must stay writable: the collection lives in it), with a menu entry.
PREFIX ?= $(HOME)/Tezaurel
MENIU ?= $(or $(XDG_DATA_HOME),$(HOME)/.local/share)/applications
install: build-release
	cmake --install build/release --prefix $(PREFIX) --component portabil
	mkdir -p $(MENIU) && cp $(PREFIX)/tezaurel.desktop $(MENIU)/tezaurel.desktop

# make deb: the Debian package for a system-wide install, in build/deb/.
deb: build-release
	sh scripts/dependinte.sh test
	cpack -G DEB --config build/release/CPackConfig.cmake -B build/deb

clean:
	rm -rf build
