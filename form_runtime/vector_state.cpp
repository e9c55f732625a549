#include "form_runtime/vector_state.h"

#if (defined(__x86_64__) || defined(__i386__)) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>

namespace form_runtime {

namespace {

// Compiled for AVX on its own, so the rest of the program runs on any x86-64
// processor; only called after the processor has said it has AVX.
__attribute__((target("avx"))) void zeroUpper()
{
    _mm256_zeroupper();
}

bool processorHasAvx()
{
    __builtin_cpu_init(); // may run before the C library's own constructors
    return __builtin_cpu_supports("avx");
}

const bool hasAvx = processorHasAvx();

} // namespace

void clearUpperVectorState()
{
    if (hasAvx)
        zeroUpper();
}

} // namespace form_runtime

#else

namespace form_runtime {

void clearUpperVectorState() {}

} // namespace form_runtime

#endif
