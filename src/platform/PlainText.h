#pragma once

#include <string>
#include <string_view>

// Small operations on plain byte text (UTF-8 or Latin-1 alike: only ASCII blanks are touched).

// The text without the given characters at either end: blanks and tabs unless told otherwise.
std::string trimBlanks(std::string_view text, std::string_view blanks = " \t");

// Overwrites a secret (a password, a form body holding one) with zeros before emptying it, so
// it does not linger in freed memory; the writes go through a volatile pointer so that the
// compiler cannot drop them.
void wipeSecret(std::string& secret);

// The text followed by blanks until it has at least n characters.
std::string PadRight(std::string_view text, std::size_t n);
