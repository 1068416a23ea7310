#pragma once

// Counts every heap allocation in the process, Qt's included, so that a step
// that allocates cannot hide. Included by one file of a benchmark program.
#include <atomic>
#include <cstddef>

extern "C" {
void *__libc_malloc(size_t marime);
void *__libc_calloc(size_t numar, size_t marime);
void *__libc_realloc(void *p, size_t marime);
}

namespace {
std::atomic<bool> NumaraAlocari{false};
std::atomic<long> Alocari{0};

void Numara()
{
    if (NumaraAlocari.load(std::memory_order_relaxed))
        Alocari.fetch_add(1, std::memory_order_relaxed);
}
} // namespace

extern "C" void *malloc(size_t marime)
{
    Numara();
    return __libc_malloc(marime);
}
extern "C" void *calloc(size_t numar, size_t marime)
{
    Numara();
    return __libc_calloc(numar, marime);
}
extern "C" void *realloc(void *p, size_t marime)
{
    Numara();
    return __libc_realloc(p, marime);
}
