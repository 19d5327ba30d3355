#pragma once
// The text of an INI file, read and changed one key at a time by one line
// scanner, so that reading and writing always agree on which line holds a key.
//
// How a line reads (a line ends at "\n"; a "\r" before it belongs to the line
// end; a UTF-8 byte-order mark before the first line is skipped):
// - blank, or starting with ';' or '#' after blanks: nothing;
// - starting with '[' after blanks: a section header; the name is the text up
//   to the first ']', without surrounding blanks. A header without ']' starts a
//   section that no name matches, so the keys under it belong to no section;
// - holding '=' with a non-blank text before it: a key line; the key is the
//   text before the first '=', the value the text after it, both without
//   surrounding blanks;
// - anything else: nothing.
// Section and key names compare without regard to ASCII case. A key that
// appears more than once in a section (or in sections of the same name) has
// the value of its last line.

#include <optional>
#include <string>
#include <string_view>

namespace splat::ini {

// The value of `key` in `section`, or nothing.
std::optional<std::string> findValue(std::string_view text, std::string_view section, std::string_view key);

// `text` with `key` of `section` set to `value`, every other byte kept:
// - the line the reader takes for the key gets the new value in place of the
//   old one (its key, blanks and line end stay);
// - a missing key gets a line of its own after the last line of the last
//   section of that name that is neither blank nor a comment;
// - a missing section comes at the end of the file with the key under it.
// New lines end as the file's lines do ("\r\n" or "\n").
std::string withValue(std::string_view text, std::string_view section, std::string_view key,
                      std::string_view value);

}  // namespace splat::ini
