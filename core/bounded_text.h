// Building short texts (paths, keys, numbers, menu items, found rows) into
// fixed buffers without the C library's printf, which would add its whole
// formatting engine to the program. Every function writes at most size bytes, NUL included, and
// says whether the whole text fitted; a text that did not fit is cut.
#pragma once

// Appends text at buffer[*length] and advances *length.
bool AppendText(char* buffer, int size, int* length, const char* text);

// Appends the first count bytes of text (count >= 0, none of them a NUL).
bool AppendTextPart(char* buffer, int size, int* length, const char* text, int count);

// Appends value in decimal, with a "-" when negative.
bool AppendDecimal(char* buffer, int size, int* length, int value);

// Writes format with its one "%d" replaced by number ("RECENT_CAT_%d", 3 gives
// "RECENT_CAT_3"); any other "%" is copied as it stands.
bool FormatNumberedKey(char* buffer, int size, const char* format, int number);
