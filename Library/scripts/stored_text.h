#pragma once
// Reading a stored Stringc strictly: a record whose text does not end in its NUL, or holds
// one early, has been damaged, and writing it back would not give the same bytes.

class Stream;
class Stringc;

// As Stringc::Read, but false, with a message and the text empty, for such a record.
bool ReadStoredText(Stream& stream, Stringc& text);

// As ReadStoredText, for a text that names a file: false too, with a message, for a name that
// leads out of its folder.
bool ReadStoredName(Stream& stream, Stringc& name);
