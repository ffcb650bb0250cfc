#pragma once

// AddressSanitizer reserves terabytes of address space for its shadow memory
// and ends the program when an allocation fails, so a test that caps the
// address space to run out of memory cannot run under it.
#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool kUnderAddressSanitizer = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
inline constexpr bool kUnderAddressSanitizer = true;
#else
inline constexpr bool kUnderAddressSanitizer = false;
#endif
#else
inline constexpr bool kUnderAddressSanitizer = false;
#endif
