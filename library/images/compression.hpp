// compression.hpp - buffers compressed and uncompressed with zlib (public routines). destlength
// is the capacity of dest on entry and the length produced on return; a failure reports error
// 1044 with zlib's status in error slot 3 and gives destlength 0 (dest keeps what zlib wrote).
#pragma once

void WCompress1(const void* source, void* dest, int sourcelength, int& destlength);
void WCompress2(const void* source, void* dest, int sourcelength, int& destlength);
void WUnCompress1(const void* source, void* dest, int sourcelength, int& destlength);
void WUnCompress2(const void* source, void* dest, int sourcelength, int& destlength);
