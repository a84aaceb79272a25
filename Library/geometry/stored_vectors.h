#pragma once
// Helpers for the stored forms that hold a u32 count followed by that many records.

#include <cstdint>

class Stream;
class Vector;

constexpr long kStoredVectorBytes = 12; // three 4-byte floats

// Reads the u32 count and checks that the bytes left can hold that many records of at
// least minimumBytes each; a count they cannot hold is reported on stderr under `what`.
bool ReadStoredCount(Stream& stream, long minimumBytes, const char* what, uint32_t& count);

// A stored place on a map: every coordinate finite and within this of the origin, so that
// cells and pixels made from it stay within an int. Far beyond the largest map's side.
constexpr float kMaxStoredCoordinate = 1048576.0f;
bool IsStoredPlace(const Vector& point);
// As ReadVectors, and false, with a message naming `what`, at a vector that is no such place.
bool ReadStoredPlaces(Stream& stream, Vector* vectors, int count, const char* what);

// count vectors of three 4-byte floats each; false at the first that fails.
bool ReadVectors(Stream& stream, Vector* vectors, int count);
// The u32 count, then the vectors.
bool WriteCountedVectors(Stream& stream, const Vector* vectors, int count);
