// Whether this is an AddressSanitizer build, for gcc and clang alike.
#pragma once

#if defined(__SANITIZE_ADDRESS__)
#define WINGRAPH_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define WINGRAPH_ASAN 1
#endif
#endif
