// Marks the entry points a test component exports.
#pragma once
#ifdef _WIN32
#define ZW_TEST_EXPORT extern "C" __declspec(dllexport)
#else
#define ZW_TEST_EXPORT extern "C" __attribute__((visibility("default")))
#endif
