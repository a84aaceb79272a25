#pragma once
// Stand-ins for the Windows C runtime's string calls the engine was written against.

int _stricmp(const char* a, const char* b);             // case-insensitive, byte order otherwise
int _strnicmp(const char* a, const char* b, unsigned n);
char* _strlwr(char* text);                              // in place; returns text
char* _strupr(char* text);
// Windows form of %g: always a decimal point in the mantissa ("12."), three exponent
// digits ("1.e+020"). buffer needs digits + 10 bytes.
char* _gcvt(double value, int digits, char* buffer);
