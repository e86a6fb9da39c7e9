#pragma once
// The engine's innermost loops are compiled also for AVX2 and AVX-512 and chosen
// when the program starts on such a processor; the build itself stays portable.
// The clones perform the same IEEE operations (no fused multiply-add), so every
// processor gives the same results.

#if defined(__x86_64__) && defined(__GNUC__)
#define DORVEX_VECTOR_CLONES __attribute__((target_clones("avx512f", "avx2", "default")))
#else
#define DORVEX_VECTOR_CLONES
#endif
