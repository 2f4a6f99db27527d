#ifndef KIVERAN_COMMON_PACKED_TEXT_H
#define KIVERAN_COMMON_PACKED_TEXT_H

// 64-bit GCC aligns every array of 16 bytes or more to 16, as the System V
// ABI asks; Windows' x64 ABI does not, and texts are read a byte at a time.
// Marking a named text with alignment 1 drops that padding (384 bytes of the
// 64-bit edition's constant data). Only for arrays of char, declared
// elsewhere without a size: with one, GCC may assume the ABI's alignment.
#if defined(__GNUC__)
#define PACKED_TEXT __attribute__((aligned(1)))
#else
#define PACKED_TEXT
#endif

#endif
