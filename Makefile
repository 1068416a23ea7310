# The two set-up commands of the README:
#   make run    install what is missing, build, lay out the application folder, start Tezaurel
#   make test   install what is missing, build, run every test
.PHONY: run test build-release build-debug install clean

PRESET_TEST ?= debug

run: build-release
	./build/release/Tezaurel/tezaurel

build-release:
	sh scripts/dependinte.sh run
	cmake --preset release -DTEZAUREL_TESTE=OFF -DTEZAUREL_BENCH=OFF
	cmake --build --preset release

test:
	sh scripts/dependinte.sh test
	sh scripts/teste.sh $(PRESET_TEST)

# make install PREFIX=/opt/tezaurel: the same application folder under a prefix.
PREFIX ?= $(HOME)/Tezaurel
install: build-release
	cmake --install build/release --prefix $(PREFIX)

clean:
	rm -rf build
