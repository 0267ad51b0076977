// The one store every owned text comes from. The platform supplies it: the
// process's default heap in the program, a counting heap in the native tests.
#pragma once

#include <cstddef>

// Never returns null: when the store runs dry the process ends through
// FatalStop with a message naming the size that was asked for.
char* TextStoreAllocate(size_t bytes);

void TextStoreRelease(char* storage);

// True for texts in the memory that holds the program's constant texts.
bool IsFixedText(const char* text);
